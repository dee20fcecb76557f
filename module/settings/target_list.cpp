// Listing the sub-folders or the files of a folder that match a pattern, for the ship and
// drawing lists of the commands.
#include "settings/target_list.h"

#include <cstring>

#include "settings/sys_dir.h"

void TrevanComARX_CreateTargetList(LPCTSTR folder, LPCTSTR pattern, int bFolders, CStringArray& names)
{
    // The lists are of folders inside the installation; without one there is nothing to list.
    CString sysDir;
    if (!TrevanComARX_GetSysDirFunc(sysDir)) {
        zcedAlert("iniファイルの取得に失敗しました");
        return;
    }
    CString search = folder != nullptr ? folder : "";
    if (search.Right(1) != "\\") search += "\\";
    search += pattern != nullptr ? pattern : "";

    WIN32_FIND_DATA entry {};
    HANDLE found = FindFirstFile(search, &entry);
    if (found == INVALID_HANDLE_VALUE) return;
    do {
        const bool isFolder = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (bFolders != 0) {
            if (isFolder && std::strcmp(entry.cFileName, ".") != 0 && std::strcmp(entry.cFileName, "..") != 0)
                names.Add(entry.cFileName);
        } else if (!isFolder) {
            names.Add(entry.cFileName);
        }
    } while (FindNextFile(found, &entry));
    FindClose(found);
}
