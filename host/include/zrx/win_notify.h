// Change notifications on folders, as Windows offers them: a handle that becomes signalled
// when something the filter names changes in the folder (or below it, with watchSubtree),
// stays signalled until FindNextChangeNotification, and is signalled again at once when more
// changes came in meanwhile. WaitForSingleObject waits on such a handle.
//
// On the host a handle watches the folder its path names when it is made; when a folder on
// the way there is renamed or removed, or the drive map changes, the handle is signalled and
// follows the path to whatever it names now. Where the folder cannot be watched (the
// system's watch limit reached) the handle is signalled on every wait, so a caller that
// checks on a signal never misses a change. Last-access times are not followed.
#pragma once

#include "win_types.h"

#define FILE_NOTIFY_CHANGE_FILE_NAME 0x00000001
#define FILE_NOTIFY_CHANGE_DIR_NAME 0x00000002
#define FILE_NOTIFY_CHANGE_ATTRIBUTES 0x00000004
#define FILE_NOTIFY_CHANGE_SIZE 0x00000008
#define FILE_NOTIFY_CHANGE_LAST_WRITE 0x00000010
#define FILE_NOTIFY_CHANGE_LAST_ACCESS 0x00000020
#define FILE_NOTIFY_CHANGE_CREATION 0x00000040
#define FILE_NOTIFY_CHANGE_SECURITY 0x00000100

#define WAIT_OBJECT_0 0x00000000L
#define WAIT_TIMEOUT 0x00000102L
#define WAIT_FAILED (static_cast<DWORD>(0xFFFFFFFF))
#define INFINITE 0xFFFFFFFF

// A handle on the folder, INVALID_HANDLE_VALUE with the error set when it is missing
// (ERROR_FILE_NOT_FOUND, or ERROR_PATH_NOT_FOUND when the folder above is missing too), is
// a file (ERROR_DIRECTORY) or the filter names nothing (ERROR_INVALID_PARAMETER).
ZRX_API HANDLE FindFirstChangeNotificationA(LPCSTR path, BOOL watchSubtree, DWORD filter);
// Resets the handle for the next change.
ZRX_API BOOL FindNextChangeNotification(HANDLE handle);
ZRX_API BOOL FindCloseChangeNotification(HANDLE handle);

// WAIT_OBJECT_0 when the handle is signalled, WAIT_TIMEOUT when it is not within the time
// (milliseconds; 0 only looks, INFINITE waits for as long as it takes), WAIT_FAILED with
// ERROR_INVALID_HANDLE for a handle that is not a change notification.
ZRX_API DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds);

#define FindFirstChangeNotification FindFirstChangeNotificationA
