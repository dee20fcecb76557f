// TRV_LINKLONG: links longitudinal sections to one landing line. The sections crossing it
// are offered; the user adds and removes sections one by one; on Enter the line's previous
// links give way to the new set as a whole and the line is marked as linked.
#pragma once

void TrevanCom_LinkLong();
