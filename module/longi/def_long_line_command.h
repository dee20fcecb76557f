// TRV_DEFLONGLINE: names picked curves as landing lines of shell longitudinals, one after
// the other, offering the last name defined as the default.
#pragma once

void TrevanCom_DefLongLine();
