// Deleting a folder with everything in it.
#include "settings/folder_utils.h"

#include <cctype>
#include <cstring>
#include <string>

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

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// Whether the path, full or not, names a drive's root or the root of a network share.
bool isRoot(const std::string& path)
{
    size_t at = 0;
    if (path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':') at = 2;
    else if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        // \\server\share is the root of the share.
        int names = 0;
        bool inName = false;
        for (char c : path.substr(2)) {
            if (isSeparator(c)) inName = false;
            else if (!inName) {
                inName = true;
                ++names;
            }
        }
        return names <= 2;
    }
    for (; at < path.size(); ++at) {
        if (!isSeparator(path[at])) return false;
    }
    return true;
}

// A drive's root, a share's root, or a path through "." or "..": what the walk would delete
// is not the folder the caller meant but, as often as not, the whole installation's drive.
bool isRefused(const char* folder)
{
    const std::string path = folder;
    if (isRoot(path)) return true;
    size_t start = path.size() >= 2 && path[1] == ':' ? 2 : 0;
    while (start <= path.size()) {
        size_t end = start;
        while (end < path.size() && !isSeparator(path[end])) ++end;
        const std::string name = path.substr(start, end - start);
        if (name == "." || name == "..") return true;
        start = end + 1;
    }
    char full[MAX_PATH * 2] = {};
    const DWORD n = GetFullPathName(folder, sizeof full, full, nullptr);
    return n > 0 && n < sizeof full && isRoot(full);
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
    if (folder == nullptr || isRefused(folder) || TrevanComARX_FindFolder(folder, 1) != 1) return 0;
    const CString full = fullFolder(folder);
    char previous[MAX_PATH * 2] = {};
    GetCurrentDirectory(sizeof previous, previous);
    if (SetCurrentDirectory(full)) deleteEntries(full, failures);
    SetCurrentDirectory(previous);
    // A folder that still holds files stays; its files are listed already.
    RemoveDirectory(full);
    return 1;
}
