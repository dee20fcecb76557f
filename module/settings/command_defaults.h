// Command defaults: what a command offers the next time, per command (section) and value
// name (key), kept in the system folder's INI\TrevanAcadCmdDef.ini. Values are stored, and so
// come back, in upper case.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

TREVANCOM_API bool TrevanComARX_GetCommandDefValue(LPCTSTR section, LPCTSTR key, CString& value);
TREVANCOM_API bool TrevanComARX_SetCommandDefValue(LPCTSTR section, LPCTSTR key, LPCTSTR value);
