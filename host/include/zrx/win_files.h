// The Windows file services the module calls: file search, attributes, folders, the current
// folder, copying and deleting, and the C library's fopen, all on Windows paths that the host
// maps to its own files (zrxhost/drive_map.h).
#pragma once

#include <cstdio>

#include "win_types.h"

#define FILE_ATTRIBUTE_READONLY  0x00000001
#define FILE_ATTRIBUTE_HIDDEN    0x00000002
#define FILE_ATTRIBUTE_SYSTEM    0x00000004
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE   0x00000020
#define FILE_ATTRIBUTE_NORMAL    0x00000080
#define INVALID_FILE_ATTRIBUTES  (static_cast<DWORD>(-1))

struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};
typedef FILETIME* LPFILETIME;

struct SECURITY_ATTRIBUTES {
    DWORD nLength;
    LPVOID lpSecurityDescriptor;
    BOOL bInheritHandle;
};
typedef SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES;

struct WIN32_FIND_DATAA {
    DWORD dwFileAttributes;
    FILETIME ftCreationTime;
    FILETIME ftLastAccessTime;
    FILETIME ftLastWriteTime;
    DWORD nFileSizeHigh;
    DWORD nFileSizeLow;
    DWORD dwReserved0;
    DWORD dwReserved1;
    CHAR cFileName[MAX_PATH];
    CHAR cAlternateFileName[14];
};
typedef WIN32_FIND_DATAA* LPWIN32_FIND_DATAA;
typedef WIN32_FIND_DATAA WIN32_FIND_DATA;
typedef LPWIN32_FIND_DATAA LPWIN32_FIND_DATA;

// File search: the pattern's last component may hold "*" and "?", matched without regard
// to case. Entries come in a stable order: "." and ".." first where a folder has them, then
// by name without regard to case.
ZRX_API HANDLE FindFirstFileA(LPCSTR pattern, LPWIN32_FIND_DATAA data);
ZRX_API BOOL FindNextFileA(HANDLE search, LPWIN32_FIND_DATAA data);
ZRX_API BOOL FindClose(HANDLE search);

ZRX_API DWORD GetFileAttributesA(LPCSTR path);
ZRX_API BOOL SetFileAttributesA(LPCSTR path, DWORD attributes);

ZRX_API BOOL CreateDirectoryA(LPCSTR path, LPSECURITY_ATTRIBUTES security);
// Only an empty folder can be removed.
ZRX_API BOOL RemoveDirectoryA(LPCSTR path);
// A read-only file is not deleted (ERROR_ACCESS_DENIED).
ZRX_API BOOL DeleteFileA(LPCSTR path);
ZRX_API BOOL CopyFileA(LPCSTR source, LPCSTR target, BOOL failIfExists);
ZRX_API BOOL MoveFileA(LPCSTR source, LPCSTR target);

// The current folder is the process's Windows current folder ("C:\" at start); relative
// paths and paths without a drive are taken from it.
ZRX_API DWORD GetCurrentDirectoryA(DWORD size, LPSTR buffer);
ZRX_API BOOL SetCurrentDirectoryA(LPCSTR path);
ZRX_API DWORD GetFullPathNameA(LPCSTR path, DWORD size, LPSTR buffer, LPSTR* filePart);

#define FindFirstFile FindFirstFileA
#define FindNextFile FindNextFileA
#define GetFileAttributes GetFileAttributesA
#define SetFileAttributes SetFileAttributesA
#define CreateDirectory CreateDirectoryA
#define RemoveDirectory RemoveDirectoryA
#define DeleteFile DeleteFileA
#define CopyFile CopyFileA
#define MoveFile MoveFileA
#define GetCurrentDirectory GetCurrentDirectoryA
#define SetCurrentDirectory SetCurrentDirectoryA
#define GetFullPathName GetFullPathNameA
