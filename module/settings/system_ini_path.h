// Where the folder file lies: the Windows folder's TrevanAcad.ini. Inside the module only.
#pragma once

#include "zrx.h"

// The folder file's section and keys.
#define TREVAN_DIR_SECTION "DIR"
#define TREVAN_SYSDIR_KEY "TrevanAcadSysDir"
#define TREVAN_DATADIR_KEY "TrevanAcadDATADir"

// "%windir%\TrevanAcad.ini"; "\TrevanAcad.ini" on the current drive when windir is not set.
CString TrevanCom_SystemIniPath();
