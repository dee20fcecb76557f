// DwgDxfPath.ini: the source and target folders last confirmed in the conversion dialog.
#pragma once

#include "zrx.h"

#define TREVAN_DWGDXF_SECTION "PartsInfoPath"
#define TREVAN_DWGDXF_DWG_KEY "dwgpathdata"
#define TREVAN_DWGDXF_DXF_KEY "dxfpathdata"

// The system folder's INI\DwgDxfPath.ini; a system folder not found leaves "\INI\DwgDxfPath.ini".
CString TrevanCom_DwgDxfPathFile();
// The value, or empty when the file, the section or the key is missing.
CString TrevanCom_ReadDwgDxfPath(const CString& strFile, const char* key);
// Writes the value in upper case, the file made writable first; a failure is not reported.
void TrevanCom_WriteDwgDxfPath(const CString& strFile, const char* key, const CString& strValue);
