// Deleting a folder with everything in it.
#include "settings/folder_utils.h"

#include <cstring>

namespace {

bool isDots(const char* name) { return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0; }

// The folder as a full path: the walk changes the current folder, so a relative name would
// not lead back to the entries below it.
CString fullFolder(const char* folder)
{
    char full[MAX_PATH * 2] = {};
    const DWORD n = GetFullPathName(folder, sizeof full, full, nullptr);
    if (n == 0 || n >= sizeof full) return folder;
    return full;
}

CString childPath(const CString& folder, const char* name)
{
    return folder.Right(1) == "\\" ? folder + name : folder + "\\" + name;
}

// Deletes the entries of the folder, which is the current one, and lists what stays.
void deleteEntries(const CString& folder, CStringArray& failures)
{
    WIN32_FIND_DATA entry {};
    HANDLE search = FindFirstFile("*", &entry);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if (isDots(entry.cFileName)) continue;
        const CString full = childPath(folder, entry.cFileName);
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            TrevanComARX_DeleteFolder(full, failures);
            // The sub-folder's walk leaves this folder current again; the search is tied to
            // its folder, not to the current one.
            continue;
        }
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0) TrevanComARX_SetReadOnlyFile(full, 0);
        if (!DeleteFile(entry.cFileName)) failures.Add(full);
    } while (FindNextFile(search, &entry));
    FindClose(search);
}

}  // namespace

int TrevanComARX_DeleteFolder(const char* folder, CStringArray& failures)
{
    if (folder == nullptr || TrevanComARX_FindFolder(folder, 1) != 1) return 0;
    const CString full = fullFolder(folder);
    char previous[MAX_PATH * 2] = {};
    GetCurrentDirectory(sizeof previous, previous);
    if (SetCurrentDirectory(full)) deleteEntries(full, failures);
    SetCurrentDirectory(previous);
    // A folder that still holds files stays; its files are listed already.
    RemoveDirectory(full);
    return 1;
}
