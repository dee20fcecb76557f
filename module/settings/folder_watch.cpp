#include "settings/folder_watch.h"

#include <string>
#include <utility>

namespace {

// Changes that can alter what a file's path holds.
constexpr DWORD kFileChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_SIZE |
                               FILE_NOTIFY_CHANGE_LAST_WRITE;

std::string folderOf(const char* filePath)
{
    std::string path = filePath != nullptr ? filePath : "";
    if (path.size() < 4 || path[1] != ':' || (path[2] != '\\' && path[2] != '/')) return {};
    size_t sep = path.find_last_of("\\/");
    return sep == 2 ? path.substr(0, 3) : path.substr(0, sep);
}

}  // namespace

CTrevanFolderWatch::CTrevanFolderWatch(const char* filePath)
{
    std::string folder = folderOf(filePath);
    if (!folder.empty()) m_handle = FindFirstChangeNotification(folder.c_str(), FALSE, kFileChanges);
}

CTrevanFolderWatch::CTrevanFolderWatch(CTrevanFolderWatch&& other) noexcept
    : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE))
{
}

CTrevanFolderWatch& CTrevanFolderWatch::operator=(CTrevanFolderWatch&& other) noexcept
{
    std::swap(m_handle, other.m_handle);
    return *this;
}

CTrevanFolderWatch::~CTrevanFolderWatch()
{
    if (valid()) FindCloseChangeNotification(m_handle);
}

bool CTrevanFolderWatch::quiet() const { return valid() && WaitForSingleObject(m_handle, 0) == WAIT_TIMEOUT; }

void CTrevanFolderWatch::rearm()
{
    if (valid()) FindNextChangeNotification(m_handle);
}
