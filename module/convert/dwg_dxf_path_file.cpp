#include "convert/dwg_dxf_path_file.h"

#include "settings/folder_utils.h"
#include "settings/ini_file.h"
#include "settings/sys_dir.h"

CString TrevanCom_DwgDxfPathFile()
{
    CString strSysDir;
    TrevanComARX_GetSysDirFunc(strSysDir);
    if (strSysDir.CompareNoCase(TREVAN_INI_NOT_FOUND) == 0) strSysDir.Empty();
    return strSysDir + "\\INI\\DwgDxfPath.ini";
}

CString TrevanCom_ReadDwgDxfPath(const CString& strFile, const char* key)
{
    CString strValue;
    if (!TrevanComARX_GetIniData(strFile, TREVAN_DWGDXF_SECTION, key, strValue)) return CString();
    return strValue;
}

void TrevanCom_WriteDwgDxfPath(const CString& strFile, const char* key, const CString& strValue)
{
    // Unlike the settings writer, a file in use is not reported: the conversion goes on.
    TrevanComARX_SetReadOnlyFile(strFile, 0);
    CString strUpper = strValue;
    strUpper.MakeUpper();
    WritePrivateProfileString(TREVAN_DWGDXF_SECTION, key, strUpper, strFile);
}
