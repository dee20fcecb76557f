// File search, attributes, folders and the current folder on Windows paths.
#include "zrx/win_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <memory>
#include <vector>

#include "util/text_case.h"
#include "win/change_watch.h"
#include "win/file_attributes.h"
#include "win/wildcard.h"
#include "win/windows_path.h"

namespace {
using zrxhost::ResolvedPath;
using zrxhost::ResolvedPathPtr;

struct FindEntry {
    std::string name;
    std::string hostFile;
};

// The state behind a search handle; handles are these objects.
struct FindSearch {
    std::vector<FindEntry> entries;
    size_t next = 0;
};

DWORD errorFromErrno(int err)
{
    switch (err) {
    case ENOENT: return ERROR_FILE_NOT_FOUND;
    case ENOTDIR: return ERROR_PATH_NOT_FOUND;
    case EEXIST: return ERROR_ALREADY_EXISTS;
    case ENOTEMPTY: return ERROR_DIR_NOT_EMPTY;
    case EACCES:
    case EPERM:
    case EROFS: return ERROR_ACCESS_DENIED;
    case EBUSY: return ERROR_SHARING_VIOLATION;
    default: return ERROR_ACCESS_DENIED;
    }
}

bool fail(DWORD error)
{
    SetLastError(error);
    return false;
}

bool isDir(const std::string& hostFile)
{
    struct stat st {};
    return ::stat(hostFile.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool exists(const std::string& hostFile)
{
    struct stat st {};
    return ::stat(hostFile.c_str(), &st) == 0;
}

std::string parentOf(const std::string& hostFile)
{
    size_t slash = hostFile.find_last_of('/');
    return slash == std::string::npos || slash == 0 ? std::string("/") : hostFile.substr(0, slash);
}

// Seconds since 1970 to 100-nanosecond ticks since 1601.
FILETIME fileTime(const timespec& t)
{
    uint64_t ticks = (static_cast<uint64_t>(t.tv_sec) + 11644473600ULL) * 10000000ULL +
                     static_cast<uint64_t>(t.tv_nsec) / 100;
    return FILETIME{static_cast<DWORD>(ticks & 0xffffffffu), static_cast<DWORD>(ticks >> 32)};
}

void fill(const FindEntry& e, LPWIN32_FIND_DATAA data)
{
    std::memset(data, 0, sizeof *data);
    struct stat st {};
    if (::stat(e.hostFile.c_str(), &st) == 0) {
        data->ftCreationTime = fileTime(st.st_mtim);
        data->ftLastAccessTime = fileTime(st.st_atim);
        data->ftLastWriteTime = fileTime(st.st_mtim);
        if (!S_ISDIR(st.st_mode)) {
            auto size = static_cast<uint64_t>(st.st_size);
            data->nFileSizeHigh = static_cast<DWORD>(size >> 32);
            data->nFileSizeLow = static_cast<DWORD>(size & 0xffffffffu);
        }
    }
    data->dwFileAttributes = zrxhost::hostFileAttributes(e.hostFile).value_or(FILE_ATTRIBUTE_NORMAL);
    std::strncpy(data->cFileName, e.name.c_str(), MAX_PATH - 1);
}

// Splits "dir\pattern" at the last separator.
void splitPattern(const std::string& path, std::string& folder, std::string& pattern)
{
    size_t sep = path.find_last_of("\\/");
    if (sep == std::string::npos) {
        bool drive = path.size() >= 2 && path[1] == ':';
        folder = drive ? path.substr(0, 2) : std::string();
        pattern = drive ? path.substr(2) : path;
    } else {
        folder = path.substr(0, sep + 1);
        pattern = path.substr(sep + 1);
    }
}

ResolvedPathPtr resolve(LPCSTR path)
{
    if (path == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return zrxhost::resolveWindowsPath(path);
}

}  // namespace

HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data)
{
    if (pattern == nullptr || data == nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    std::string folderPart;
    std::string namePattern;
    splitPattern(pattern, folderPart, namePattern);
    if (namePattern.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    auto folder = zrxhost::resolveWindowsPath(folderPart.empty() ? std::string(".") : folderPart);
    if (!folder) return INVALID_HANDLE_VALUE;
    DIR* dir = ::opendir(folder->host.c_str());
    if (dir == nullptr) {
        SetLastError(ERROR_PATH_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    // A drive's root has no "." and ".." entries on Windows.
    const bool root = folder->windows.size() == 3;
    auto search = std::make_unique<FindSearch>();
    while (dirent* e = ::readdir(dir)) {
        std::string name = e->d_name;
        if (root && (name == "." || name == "..")) continue;
        if (zrxhost::matchesWildcard(namePattern, name)) search->entries.push_back({name, folder->host + "/" + name});
    }
    ::closedir(dir);
    auto rank = [](const std::string& n) { return n == "." ? 0 : (n == ".." ? 1 : 2); };
    std::sort(search->entries.begin(), search->entries.end(), [&](const FindEntry& a, const FindEntry& b) {
        if (rank(a.name) != rank(b.name)) return rank(a.name) < rank(b.name);
        int c = zrxhost::compareNoCase(a.name, b.name);
        return c != 0 ? c < 0 : a.name < b.name;
    });
    if (search->entries.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    fill(search->entries[0], data);
    search->next = 1;
    SetLastError(ERROR_SUCCESS);
    return search.release();
}

BOOL FindNextFileA(HANDLE handle, LPWIN32_FIND_DATAA data)
{
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE || data == nullptr) return fail(ERROR_INVALID_HANDLE);
    auto* search = static_cast<FindSearch*>(handle);
    if (search->next >= search->entries.size()) return fail(ERROR_NO_MORE_FILES);
    fill(search->entries[search->next++], data);
    return TRUE;
}

BOOL FindClose(HANDLE handle)
{
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) return fail(ERROR_INVALID_HANDLE);
    delete static_cast<FindSearch*>(handle);
    return TRUE;
}

DWORD GetFileAttributesA(LPCSTR path)
{
    auto r = resolve(path);
    if (!r) return INVALID_FILE_ATTRIBUTES;
    auto a = zrxhost::hostFileAttributes(r->host);
    if (!a) {
        SetLastError(exists(parentOf(r->host)) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND);
        return INVALID_FILE_ATTRIBUTES;
    }
    return *a;
}

BOOL SetFileAttributesA(LPCSTR path, DWORD attributes)
{
    auto r = resolve(path);
    if (!r) return FALSE;
    return zrxhost::setHostFileAttributes(r->host, attributes) ? TRUE : FALSE;
}

BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES /*security*/)
{
    auto r = resolve(path);
    if (!r) return FALSE;
    if (exists(r->host)) return fail(ERROR_ALREADY_EXISTS);
    if (!isDir(parentOf(r->host))) return fail(ERROR_PATH_NOT_FOUND);
    zrxhost::watch::noteHostWrite();
    if (::mkdir(r->host.c_str(), 0777) != 0) return fail(errorFromErrno(errno));
    return TRUE;
}

BOOL RemoveDirectoryA(LPCSTR path)
{
    auto r = resolve(path);
    if (!r) return FALSE;
    if (!exists(r->host)) return fail(ERROR_FILE_NOT_FOUND);
    if (!isDir(r->host)) return fail(ERROR_DIRECTORY);
    zrxhost::watch::noteHostWrite();
    if (::rmdir(r->host.c_str()) != 0) return fail(errorFromErrno(errno));
    return TRUE;
}

BOOL DeleteFileA(LPCSTR path)
{
    auto r = resolve(path);
    if (!r) return FALSE;
    if (!exists(r->host)) return fail(exists(parentOf(r->host)) ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND);
    if (isDir(r->host)) return fail(ERROR_ACCESS_DENIED);
    // Windows refuses to delete a read-only file, whoever asks.
    if (zrxhost::isHostFileReadOnly(r->host)) return fail(ERROR_ACCESS_DENIED);
    zrxhost::watch::noteHostWrite();
    if (::unlink(r->host.c_str()) != 0) return fail(errorFromErrno(errno));
    return TRUE;
}

BOOL CopyFileA(LPCSTR source, LPCSTR target, BOOL failIfExists)
{
    auto from = resolve(source);
    if (!from) return FALSE;
    auto to = resolve(target);
    if (!to) return FALSE;
    if (!exists(from->host) || isDir(from->host)) return fail(ERROR_FILE_NOT_FOUND);
    if (exists(to->host)) {
        if (failIfExists) return fail(ERROR_FILE_EXISTS);
        if (zrxhost::isHostFileReadOnly(to->host) || isDir(to->host)) return fail(ERROR_ACCESS_DENIED);
    }
    zrxhost::watch::noteHostWrite();
    {
        std::ifstream in(from->host, std::ios::binary);
        std::ofstream out(to->host, std::ios::binary | std::ios::trunc);
        if (!in || !out) return fail(ERROR_ACCESS_DENIED);
        out << in.rdbuf();
        if (!out) return fail(ERROR_WRITE_FAULT);
    }
    // The copy carries the source's attributes, as Windows copies them.
    if (auto a = zrxhost::hostFileAttributes(from->host)) zrxhost::setHostFileAttributes(to->host, *a);
    return TRUE;
}

BOOL MoveFileA(LPCSTR source, LPCSTR target)
{
    auto from = resolve(source);
    if (!from) return FALSE;
    auto to = resolve(target);
    if (!to) return FALSE;
    if (!exists(from->host)) return fail(ERROR_FILE_NOT_FOUND);
    if (exists(to->host)) return fail(ERROR_ALREADY_EXISTS);
    zrxhost::watch::noteHostWrite();
    if (::rename(from->host.c_str(), to->host.c_str()) != 0) return fail(errorFromErrno(errno));
    return TRUE;
}

DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer)
{
    std::string current = zrxhost::currentWindowsFolder();
    // The root keeps its separator; other folders are given without one.
    if (current.size() > 3 && current.back() == '\\') current.pop_back();
    if (buffer == nullptr || size <= current.size()) return static_cast<DWORD>(current.size() + 1);
    std::memcpy(buffer, current.c_str(), current.size() + 1);
    return static_cast<DWORD>(current.size());
}

BOOL SetCurrentDirectoryA(LPCSTR path)
{
    auto r = resolve(path);
    if (!r) return FALSE;
    if (!exists(r->host)) return fail(ERROR_FILE_NOT_FOUND);
    if (!isDir(r->host)) return fail(ERROR_DIRECTORY);
    zrxhost::setCurrentWindowsFolder(r->windows);
    return TRUE;
}

DWORD GetFullPathNameA(LPCSTR path, DWORD size, LPSTR buffer, LPSTR* filePart)
{
    if (path == nullptr || *path == '\0') {
        SetLastError(ERROR_INVALID_NAME);
        return 0;
    }
    std::string p = path;
    std::replace(p.begin(), p.end(), '/', '\\');
    bool trailing = p.back() == '\\';
    auto r = zrxhost::resolveWindowsPath(p);
    if (!r) return 0;
    std::string full = r->windows;
    if (trailing && full.back() != '\\') full += '\\';
    if (buffer == nullptr || size <= full.size()) return static_cast<DWORD>(full.size() + 1);
    std::memcpy(buffer, full.c_str(), full.size() + 1);
    if (filePart != nullptr) {
        size_t sep = full.find_last_of('\\');
        *filePart = (sep + 1 < full.size()) ? buffer + sep + 1 : nullptr;
    }
    return static_cast<DWORD>(full.size());
}
