// The system and data folders for LISP.
#include "settings/settings_lisp.h"

#include "core/lisp_args.h"
#include "settings/sys_dir.h"
#include "settings/system_ini_path.h"

namespace {

int giveFolder(bool (*lookup)(CString&), const char* key)
{
    CString folder;
    if (lookup(folder)) return TrevanLispArgs::retStr(folder);
    CString reason;
    reason.Format("%sファイルがないか、iniファイル内に[%s]グループがないか%sキーがありません。",
                  TrevanCom_SystemIniPath().GetString(), TREVAN_DIR_SECTION, key);
    zcutPrintf("\n%s", reason.GetString());
    return TrevanLispArgs::retNil();
}

}  // namespace

int TrevanComARX_GetSysDir() { return giveFolder(TrevanComARX_GetSysDirFunc, TREVAN_SYSDIR_KEY); }

int TrevanComARX_GetDataDir() { return giveFolder(TrevanComARX_GetDataDirFunc, TREVAN_DATADIR_KEY); }
