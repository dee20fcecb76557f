// Registry values: a string value of a key, and the CAD installation folder found through
// them.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// A string value (REG_SZ) of a registry key; the key is made when missing. The value name
// "(標準)", as the registry editor labels it, or an empty name reads the key's unnamed value.
TREVANCOM_API bool TrevanCom_GetReg(HKEY root, LPCTSTR subKey, LPCTSTR valueName, CString& value);
// The CAD installation folder of the current release, as the CAD's setup recorded it.
TREVANCOM_API bool TrevanCom_GetAutoCADPath(CString& folder);
