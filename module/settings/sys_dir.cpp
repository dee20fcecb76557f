// The system folder, the data folder and the end-type folder, as the folder file in the
// Windows folder names them.
#include "settings/sys_dir.h"

#include "settings/ini_file.h"

#include <cstdlib>

#include "settings/system_ini_path.h"

CString TrevanCom_SystemIniPath()
{
    const char* windir = std::getenv("windir");
    return CString(windir != nullptr ? windir : "") + "\\TrevanAcad.ini";
}

bool TrevanComARX_GetSysDirFunc(CString& folder)
{
    return TrevanComARX_GetIniData(TrevanCom_SystemIniPath(), TREVAN_DIR_SECTION, TREVAN_SYSDIR_KEY, folder);
}

bool TrevanComARX_GetDataDirFunc(CString& folder)
{
    return TrevanComARX_GetIniData(TrevanCom_SystemIniPath(), TREVAN_DIR_SECTION, TREVAN_DATADIR_KEY, folder);
}

bool TrevanComARX_GetEndtypeFolder(CString& folder)
{
    CString data;
    if (!TrevanComARX_GetDataDirFunc(data)) {
        zcutPrintf("\nTrevanシステムフォルダの取得に失敗しました");
        return false;
    }
    folder = data + "\\ENDTYPE";
    return true;
}
