// Whether a folder, a file or a file pattern exists.
#include "settings/folder_utils.h"

int TrevanComARX_FindFolder(const char* path, int bFolder)
{
    if (path == nullptr) return 0;
    CString pattern = path;
    // A folder exists when a search inside it finds anything: an empty folder still has its
    // "." and ".." entries.
    if (bFolder != 0) {
        if (pattern.Right(1) != "\\") pattern += "\\";
        pattern += "*";
    }
    WIN32_FIND_DATA found {};
    HANDLE search = FindFirstFile(pattern, &found);
    if (search == INVALID_HANDLE_VALUE) return 0;
    FindClose(search);
    return 1;
}
