// FindFirstChangeNotification and the wait on its handle, on the host's folder watches.
#include <dirent.h>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>

#include <chrono>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "win/change_watch.h"
#include "win/windows_path.h"
#include "zrx/win_notify.h"

namespace {

namespace watch = zrxhost::watch;

constexpr DWORD kKnownFilters = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME |
                                FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SIZE |
                                FILE_NOTIFY_CHANGE_LAST_WRITE | FILE_NOTIFY_CHANGE_LAST_ACCESS |
                                FILE_NOTIFY_CHANGE_CREATION | FILE_NOTIFY_CHANGE_SECURITY;

// The kinds of change an event in a folder is, as the filter names them.
DWORD changeKinds(uint32_t mask)
{
    DWORD kinds = 0;
    if ((mask & (IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO)) != 0)
        kinds |= (mask & IN_ISDIR) != 0 ? FILE_NOTIFY_CHANGE_DIR_NAME : FILE_NOTIFY_CHANGE_FILE_NAME;
    if ((mask & (IN_CREATE | IN_MOVED_TO)) != 0) kinds |= FILE_NOTIFY_CHANGE_CREATION;
    if ((mask & IN_MODIFY) != 0) kinds |= FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE;
    // Times set by hand and permissions both arrive as attribute changes.
    if ((mask & IN_ATTRIB) != 0)
        kinds |= FILE_NOTIFY_CHANGE_ATTRIBUTES | FILE_NOTIFY_CHANGE_SECURITY | FILE_NOTIFY_CHANGE_LAST_WRITE;
    return kinds;
}

class ChangeHandle final : public watch::Listener {
public:
    ChangeHandle(std::string path, bool subtree, DWORD filter) : m_path(std::move(path)), m_subtree(subtree), m_filter(filter)
    {
    }
    virtual ~ChangeHandle() { detach(); }
    ChangeHandle(const ChangeHandle&) = delete;
    ChangeHandle& operator=(const ChangeHandle&) = delete;

    // Finds the folder the path names and watches it; false, with the error set, when
    // there is no such folder. A folder that cannot be watched leaves the handle detached:
    // signalled on every look.
    bool attach()
    {
        m_driveMap = zrxhost::driveMapGeneration();
        auto folder = zrxhost::resolveWindowsPath(m_path);
        if (!folder) return false;
        struct stat st {};
        if (::stat(folder->host.c_str(), &st) != 0) {
            size_t slash = folder->host.find_last_of('/');
            struct stat above {};
            bool parent = slash != std::string::npos && ::stat(folder->host.substr(0, slash).c_str(), &above) == 0;
            SetLastError(parent ? ERROR_FILE_NOT_FOUND : ERROR_PATH_NOT_FOUND);
            return false;
        }
        if (!S_ISDIR(st.st_mode)) {
            SetLastError(ERROR_DIRECTORY);
            return false;
        }
        m_way = watch::Sources();
        watch::Node* root = m_way.addFolder(folder->host, watch::Depth::Content);
        if (root == nullptr) return true;
        follow(root);
        m_attached = true;
        if (m_subtree) m_attached = followBelow(folder->host);
        return true;
    }

    // Inside a FreshScope, after the queue was read: follows the path when the way to the
    // folder changed, and the folders that appeared below it.
    void refresh()
    {
        if (m_attached && (m_driveMap != zrxhost::driveMapGeneration() || !m_way.unchanged())) {
            raise(0);
            detach();
        }
        if (!m_attached) {
            // Try the path again: it may name a folder now.
            detach();
            if (!attach() || !m_attached) raise(0);
            return;
        }
        std::vector<std::string> appeared;
        appeared.swap(m_appeared);
        for (const std::string& folder : appeared) {
            // What was put there before the folder was watched counts as a change.
            if (!followTree(folder) || hasEntries(folder)) raise(0);
        }
    }

    bool signalled() const { return m_signalled; }

    // Changes that came after the signal was raised signal the handle again at once.
    void reset()
    {
        m_signalled = m_pending;
        m_pending = false;
    }

    void changed(const watch::Node& folder, uint32_t mask, std::string_view name, uint64_t stamp) override
    {
        if ((mask & IN_Q_OVERFLOW) != 0) {
            raise(stamp);
            return;
        }
        if (name.empty()) {
            // The folder itself went away or moved: the handle follows its path (refresh).
            if (&folder == m_root && (mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED)) != 0) raise(stamp);
            return;
        }
        if ((changeKinds(mask) & m_filter) != 0) raise(stamp);
        if (m_subtree && (mask & IN_ISDIR) != 0 && (mask & (IN_CREATE | IN_MOVED_TO)) != 0)
            m_appeared.push_back(watch::pathOf(&folder) + "/" + std::string(name));
    }

private:
    // Every event read at one look at the queue is one change.
    void raise(uint64_t stamp)
    {
        if (!m_signalled) {
            m_signalled = true;
            m_signalStamp = stamp;
        } else if (stamp != m_signalStamp || stamp == 0) {
            m_pending = true;
        }
    }

    void follow(watch::Node* folder)
    {
        if (m_root == nullptr) m_root = folder;
        watch::listen(folder, this);
        m_followed.push_back(folder);
    }

    // Watches the folder and every folder below it; false when one cannot be watched.
    bool followTree(const std::string& folder)
    {
        watch::Sources way;
        watch::Node* node = way.addFolder(folder, watch::Depth::Content);
        if (node == nullptr) return way.keepable();
        follow(node);
        return followBelow(folder);
    }

    // Watches every folder below; false when one cannot be watched.
    bool followBelow(const std::string& folder)
    {
        DIR* dir = ::opendir(folder.c_str());
        if (dir == nullptr) return true;
        std::vector<std::string> below;
        while (dirent* e = ::readdir(dir)) {
            std::string name = e->d_name;
            if (name == "." || name == "..") continue;
            std::string path = folder + "/" + name;
            struct stat st {};
            if (e->d_type == DT_DIR || (e->d_type == DT_UNKNOWN && ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)))
                below.push_back(std::move(path));
        }
        ::closedir(dir);
        for (const std::string& path : below) {
            if (!followTree(path)) return false;
        }
        return true;
    }

    static bool hasEntries(const std::string& folder)
    {
        DIR* dir = ::opendir(folder.c_str());
        if (dir == nullptr) return false;
        bool any = false;
        while (dirent* e = ::readdir(dir)) {
            std::string_view name = e->d_name;
            if (name != "." && name != "..") {
                any = true;
                break;
            }
        }
        ::closedir(dir);
        return any;
    }

    void detach()
    {
        for (watch::Node* folder : m_followed) watch::stopListening(folder, this);
        m_followed.clear();
        m_appeared.clear();
        m_root = nullptr;
        m_attached = false;
    }

    std::string m_path;
    bool m_subtree;
    DWORD m_filter;
    watch::Sources m_way;  // the way to the folder: a change there moves the handle
    uint64_t m_driveMap = 0;
    watch::Node* m_root = nullptr;
    std::vector<watch::Node*> m_followed;
    std::vector<std::string> m_appeared;  // folders that appeared below, to be watched
    bool m_attached = false;
    bool m_signalled = false;
    bool m_pending = false;
    uint64_t m_signalStamp = 0;
};

// Open handles; kept to the very end, as other libraries close theirs from static
// destructors.
std::unordered_map<HANDLE, std::unique_ptr<ChangeHandle>>& handles()
{
    static auto* open = new std::unordered_map<HANDLE, std::unique_ptr<ChangeHandle>>;
    return *open;
}

ChangeHandle* find(HANDLE handle)
{
    auto it = handles().find(handle);
    if (it != handles().end()) return it->second.get();
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
}

}  // namespace

HANDLE FindFirstChangeNotificationA(LPCSTR path, BOOL watchSubtree, DWORD filter)
{
    if (path == nullptr || filter == 0 || (filter & ~kKnownFilters) != 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return INVALID_HANDLE_VALUE;
    }
    watch::FreshScope fresh;
    auto made = std::make_unique<ChangeHandle>(path, watchSubtree != FALSE, filter);
    if (!made->attach()) return INVALID_HANDLE_VALUE;
    HANDLE handle = made.get();
    handles().emplace(handle, std::move(made));
    return handle;
}

BOOL FindNextChangeNotification(HANDLE handle)
{
    ChangeHandle* h = find(handle);
    if (h == nullptr) return FALSE;
    watch::FreshScope fresh;
    h->refresh();
    h->reset();
    return TRUE;
}

BOOL FindCloseChangeNotification(HANDLE handle)
{
    if (find(handle) == nullptr) return FALSE;
    handles().erase(handle);
    return TRUE;
}

DWORD WaitForSingleObject(HANDLE handle, DWORD milliseconds)
{
    ChangeHandle* h = find(handle);
    if (h == nullptr) return WAIT_FAILED;
    using Clock = std::chrono::steady_clock;
    const auto deadline = milliseconds == 0 ? Clock::time_point() : Clock::now() + std::chrono::milliseconds(milliseconds);
    for (;;) {
        {
            watch::FreshScope fresh;
            h->refresh();
            if (h->signalled()) return WAIT_OBJECT_0;
        }
        if (milliseconds == 0) return WAIT_TIMEOUT;
        int timeout = -1;
        if (milliseconds != INFINITE) {
            auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            if (left <= 0) return WAIT_TIMEOUT;
            timeout = static_cast<int>(left);
        }
        // Only a detached handle has no queue, and it is always signalled.
        pollfd queue{watch::queueDescriptor(), POLLIN, 0};
        if (queue.fd < 0) return WAIT_TIMEOUT;
        ::poll(&queue, 1, timeout);
        watch::readQueue();
    }
}
