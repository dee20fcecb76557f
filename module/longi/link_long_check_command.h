// TRV_LINKLONGCHECK: shows the sections linked to a landing line until the user answers.
#pragma once

void TrevanCom_LinkLongCheck();
