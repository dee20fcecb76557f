// The system folder, the data folder and the end-type folder, as the folder file in the
// Windows folder names them.
#include "settings/sys_dir.h"

#include "settings/ini_file.h"

#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/folder_watch.h"
#include "settings/system_ini_path.h"

namespace {

// One key of the folder file, kept while a change notification on the file's folder stays
// quiet: every record read asks for the system folder, and going through the file each
// time cost more than the record itself.
class CWatchedFolderKey {
public:
    explicit CWatchedFolderKey(const char* key) : m_key(key) {}

    bool get(CString& folder)
    {
        const char* windir = std::getenv("windir");
        const std::string_view now = windir != nullptr ? windir : "";
        if (!m_watch.quiet() || now != m_windir) {
            // Watched before the file is read, so that a change made meanwhile counts as later.
            const CString ini = TrevanCom_SystemIniPath();
            if (now == m_windir && m_watch.valid()) m_watch.rearm();
            else m_watch = CTrevanFolderWatch(ini);
            m_windir = now;
            m_found = TrevanComARX_GetIniData(ini, TREVAN_DIR_SECTION, m_key, m_value);
        }
        folder = m_value;
        return m_found;
    }

private:
    const char* m_key;
    std::string m_windir;
    CString m_value;
    bool m_found = false;
    CTrevanFolderWatch m_watch;
};

}  // namespace

CString TrevanCom_SystemIniPath()
{
    const char* windir = std::getenv("windir");
    return CString(windir != nullptr ? windir : "") + "\\TrevanAcad.ini";
}

bool TrevanComARX_GetSysDirFunc(CString& folder)
{
    static CWatchedFolderKey sysDir(TREVAN_SYSDIR_KEY);
    return sysDir.get(folder);
}

bool TrevanComARX_GetDataDirFunc(CString& folder)
{
    static CWatchedFolderKey dataDir(TREVAN_DATADIR_KEY);
    return dataDir.get(folder);
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
