// A change notification on the folder of one file: a file read once may be used again for
// as long as the notification stays quiet.
#pragma once

#include "zrx.h"

class CTrevanFolderWatch {
public:
    CTrevanFolderWatch() = default;
    // Watches the folder of a path given from a drive's root ("C:\DATA\Mst" for
    // "C:\DATA\Mst\TREVANMATE.DAT"); any other path, whose meaning moves with the current
    // folder, or a missing folder, gives no watch.
    explicit CTrevanFolderWatch(const char* filePath);
    CTrevanFolderWatch(CTrevanFolderWatch&& other) noexcept;
    CTrevanFolderWatch& operator=(CTrevanFolderWatch&& other) noexcept;
    CTrevanFolderWatch(const CTrevanFolderWatch&) = delete;
    CTrevanFolderWatch& operator=(const CTrevanFolderWatch&) = delete;
    ~CTrevanFolderWatch();

    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    // Nothing in the folder changed since the watch was made or last rearmed; false
    // without a watch.
    bool quiet() const;
    // Ready for the next change. Done before the file is read again, so that a change made
    // while it is read counts as a later one.
    void rearm();

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};
