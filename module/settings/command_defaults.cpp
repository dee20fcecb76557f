// Command defaults: what a command offers the next time, kept per command and value name in
// the system folder's INI\TrevanAcadCmdDef.ini.
#include "settings/command_defaults.h"

#include "settings/ini_file.h"
#include "settings/sys_dir.h"

namespace {

bool commandDefaultFile(CString& path)
{
    CString sysDir;
    if (!TrevanComARX_GetSysDirFunc(sysDir)) return false;
    path = sysDir + "\\INI\\TrevanAcadCmdDef.ini";
    return true;
}

}  // namespace

bool TrevanComARX_GetCommandDefValue(LPCTSTR section, LPCTSTR key, CString& value)
{
    CString path;
    return commandDefaultFile(path) && TrevanComARX_GetIniData(path, section, key, value);
}

bool TrevanComARX_SetCommandDefValue(LPCTSTR section, LPCTSTR key, LPCTSTR value)
{
    CString path;
    return commandDefaultFile(path) && TrevanComARX_SetIniData(path, section, key, value);
}
