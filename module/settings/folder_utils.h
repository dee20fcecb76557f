// Folder and file utilities over the Windows file system, shared by the settings files, the
// commands and the sibling modules. Paths are Windows paths with "\" as the separator.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The shell's folder browser, preselecting the initial folder when it is not empty; 0 when
// the user cancels, otherwise 1 (the folder is set when the browser gave one).
TREVANCOM_API int TrevanComARX_SelectFolderDialog(HWND hWnd, const char* title, const char* initialFolder,
                                                  CString& folder);

// 1 when the folder (bFolder set: it has any entry) or the file or pattern (bFolder 0)
// exists, else 0.
TREVANCOM_API int TrevanComARX_FindFolder(const char* path, int bFolder);

// Deletes the folder and everything in it. Read-only files are made writable first; files
// that still cannot be deleted are listed with their full path, and the folders holding them
// stay. 0 when the folder does not exist, else 1. A drive's root (also "\\", "C:",
// "C:\\TREVAN\\.."), a share's root and any path through "." or ".." are refused: 0, and
// nothing is deleted.
TREVANCOM_API int TrevanComARX_DeleteFolder(const char* folder, CStringArray& failures);

// Copies the source file byte for byte over the target; 1 on success, 0 when the source is
// missing or a file cannot be opened. The window is not used.
TREVANCOM_API int TrevanComARX_CopyFiles(HWND hWnd, const char* source, const char* target);

// Sets (bReadOnly 1) or clears (0) the read-only attribute of a file that carries only the
// archive attribute besides it; files with other attributes are left as they are. 1 when
// the file was found, 0 when it was not or its status could not be changed.
TREVANCOM_API int TrevanComARX_SetReadOnlyFile(const CString& path, int bReadOnly);

// Makes the folder and any missing parents; 1 when the folder was made or was there.
TREVANCOM_API int TrevanComARX_MakeFolder(const char* path);

