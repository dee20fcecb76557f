// The inotify watcher behind the host's kept answers and change notifications.
#include "win/change_watch.h"

#include <pthread.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <unordered_map>

#include "zrxhost/change_watch.h"

namespace zrxhost::watch {

// When something last changed, in ticks of the watcher's clock: every look at the queue
// that finds events is one tick, so an answer made at tick t is stale once a stamp is
// above t.
struct EntryStamps {
    uint64_t name = 0;     // created, deleted, renamed, attributes changed
    uint64_t content = 0;  // any of those, or written
};

struct Node {
    std::string path;
    Node* parent = nullptr;
    EntryStamps* inParent = nullptr;  // this node's entry in its parent
    int wd = -1;
    bool file = false;          // watched as a file rather than as a folder
    bool withContent = false;   // a folder watched for its files' writes too
    uint64_t watchedAt = 0;
    uint64_t self = 0;     // deleted, moved, its watch lost (for a folder: anything on itself)
    uint64_t content = 0;  // a watched file written or its attributes changed
    // Entries someone depends on, by their lower-case name: Windows names ignore case, so
    // an entry appearing in another spelling changes what a name stands for.
    std::unordered_map<std::string, EntryStamps> entries;
    std::vector<Listener*> listeners;
};

namespace {

// A folder's names; its files' writes only where something depends on them, as the
// folders above a drive (/tmp among them) see every write of every program.
constexpr uint32_t kFolderNameEvents =
    IN_ATTRIB | IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_DELETE_SELF | IN_MOVE_SELF;
constexpr uint32_t kFolderContentEvents = IN_MODIFY | IN_CLOSE_WRITE;
constexpr uint32_t kFileEvents = IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF;
// Events that change what a name in a folder stands for.
constexpr uint32_t kNameEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB;

enum class Status { Watched, Missing, Unwatchable };

std::string lowerAscii(std::string_view s)
{
    std::string out(s);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// A path the watcher can stand on: absolute, without empty, "." or ".." components.
bool plainAbsolute(const std::string& path)
{
    if (path.empty() || path[0] != '/') return false;
    if (path == "/") return true;
    if (path.back() == '/') return false;
    size_t start = 1;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos) end = path.size();
        std::string_view c(path.data() + start, end - start);
        if (c.empty() || c == "." || c == "..") return false;
        start = end + 1;
    }
    return true;
}

bool g_forked = false;

class Watcher {
public:
    Watcher()
    {
        open();
        pthread_atfork(nullptr, nullptr, [] { g_forked = true; });
    }

    // A child process must not take its parent's events: it starts over with its own queue.
    void checkFork()
    {
        if (!g_forked) return;
        g_forked = false;
        startOver();
    }

    void startOver()
    {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
        m_byWd.clear();
        for (auto& [path, node] : m_nodes) node->wd = -1;
        m_watches = 0;
        lostAll = ++clock;
        open();
        tellEveryListener(IN_Q_OVERFLOW, lostAll);
    }

    void setLimit(std::optional<size_t> limit)
    {
        m_limit = limit;
        startOver();
    }

    size_t watches() const { return m_watches; }
    int fd() const { return m_fd; }

    // Reads every queued event.
    void drain()
    {
        if (m_fd < 0) return;
        alignas(inotify_event) char buf[16384];
        uint64_t stamp = 0;
        for (;;) {
            ssize_t n = ::read(m_fd, buf, sizeof buf);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && errno != EAGAIN) {
                startOver();
                return;
            }
            if (n <= 0) return;
            if (stamp == 0) stamp = ++clock;
            for (char* p = buf; p < buf + n;) {
                auto* e = reinterpret_cast<inotify_event*>(p);
                take(*e, stamp);
                p += sizeof(inotify_event) + e->len;
            }
        }
    }

    Node* node(const std::string& path)
    {
        if (auto it = m_nodes.find(path); it != m_nodes.end()) return it->second.get();
        if (!plainAbsolute(path)) return nullptr;
        auto made = std::make_unique<Node>();
        made->path = path;
        if (path != "/") {
            size_t slash = path.find_last_of('/');
            made->parent = node(slash == 0 ? std::string("/") : path.substr(0, slash));
            made->inParent = &entry(made->parent, std::string_view(path).substr(slash + 1));
        }
        Node* raw = made.get();
        m_nodes.emplace(path, std::move(made));
        return raw;
    }

    static EntryStamps& entry(Node* folder, std::string_view name) { return folder->entries[lowerAscii(name)]; }

    // Makes sure the node and every folder above it are watched as they are now; content:
    // a folder's files' writes too.
    Status ensure(Node* n, bool asFile, bool content = false)
    {
        if (m_fd < 0) return Status::Unwatchable;
        if (n->parent != nullptr) {
            Status above = ensure(n->parent, false);
            if (above == Status::Unwatchable) return above;
            if (above == Status::Missing) {
                release(n);
                return Status::Missing;
            }
        }
        const bool current = n->wd >= 0 && n->file == asFile && n->self <= n->watchedAt &&
                             (n->parent == nullptr ||
                              (n->parent->watchedAt <= n->watchedAt && n->inParent->name <= n->watchedAt));
        if (current && (asFile || !content || n->withContent)) return Status::Watched;
        return add(n, asFile, content || n->withContent, current);
    }

    uint64_t clock = 1;
    uint64_t lostAll = 0;
    int depth = 0;           // host calls (FreshScope) open
    int dispatches = 0;      // commands and LISP calls running
    bool hostWrote = false;  // a file changed by the host in the dispatch running

private:
    void open()
    {
        if (m_limit && *m_limit == 0) return;
        m_fd = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    }

    // current: the node's watch is up to date, only the writes are to be added.
    Status add(Node* n, bool asFile, bool content, bool current)
    {
        if (asFile) {
            struct stat st {};
            if (::lstat(n->path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
                release(n);
                return Status::Unwatchable;
            }
        }
        if (n->wd < 0 && m_limit && m_watches >= *m_limit) return Status::Unwatchable;
        uint32_t mask = asFile ? kFileEvents : kFolderNameEvents | IN_ONLYDIR;
        if (!asFile && content) mask |= kFolderContentEvents;
        int wd = ::inotify_add_watch(m_fd, n->path.c_str(), mask | IN_DONT_FOLLOW);
        if (current && wd == n->wd) {
            // The same folder, watched without a break: what was kept stays true.
            n->withContent = content;
            return Status::Watched;
        }
        if (wd < 0) {
            int error = errno;
            release(n);
            if (error == ENOENT) return Status::Missing;
            if (error == ENOTDIR && !asFile) {
                // A file where a folder was looked for has nothing below it; a link has,
                // but its target is not watched.
                struct stat st {};
                if (::lstat(n->path.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) return Status::Missing;
            }
            return Status::Unwatchable;
        }
        if (n->wd >= 0 && n->wd != wd) release(n);
        auto [it, added] = m_byWd.emplace(wd, n);
        if (added) {
            ++m_watches;
        } else if (it->second != n) {
            // The same folder under another path: it was moved here from there.
            it->second->wd = -1;
            it->second = n;
        }
        n->wd = wd;
        n->file = asFile;
        n->withContent = !asFile && content;
        n->watchedAt = clock;
        return Status::Watched;
    }

    // Gives up the node's watch.
    void release(Node* n)
    {
        if (n->wd < 0) return;
        if (auto it = m_byWd.find(n->wd); it != m_byWd.end() && it->second == n) {
            ::inotify_rm_watch(m_fd, n->wd);
            m_byWd.erase(it);
            --m_watches;
        }
        n->wd = -1;
    }

    void take(const inotify_event& e, uint64_t stamp)
    {
        if ((e.mask & IN_Q_OVERFLOW) != 0) {
            lostAll = stamp;
            tellEveryListener(IN_Q_OVERFLOW, stamp);
            return;
        }
        auto it = m_byWd.find(e.wd);
        if (it == m_byWd.end()) return;
        Node* n = it->second;
        std::string_view name = e.len > 0 ? std::string_view(e.name, ::strnlen(e.name, e.len)) : std::string_view();
        if ((e.mask & IN_IGNORED) != 0) {
            m_byWd.erase(it);
            --m_watches;
            n->wd = -1;
            n->self = stamp;
        } else if (!name.empty()) {
            if (auto s = n->entries.find(lowerAscii(name)); s != n->entries.end()) {
                s->second.content = stamp;
                if ((e.mask & kNameEvents) != 0) s->second.name = stamp;
            }
        } else if (n->file && (e.mask & (IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE)) != 0) {
            n->content = stamp;
        } else {
            n->self = stamp;
        }
        for (Listener* l : n->listeners) l->changed(*n, e.mask, name, stamp);
    }

    void tellEveryListener(uint32_t mask, uint64_t stamp)
    {
        for (auto& [path, node] : m_nodes) {
            for (Listener* l : node->listeners) l->changed(*node, mask, {}, stamp);
        }
    }

    int m_fd = -1;
    std::optional<size_t> m_limit;
    size_t m_watches = 0;
    std::unordered_map<std::string, std::unique_ptr<Node>> m_nodes;
    std::unordered_map<int, Node*> m_byWd;
};

// Made on first use and kept to the very end: handles closed by other libraries' static
// destructors still find it.
Watcher& watcher()
{
    static Watcher* w = new Watcher;
    w->checkFork();
    return *w;
}

}  // namespace

DispatchScope::DispatchScope()
{
    Watcher& w = watcher();
    if (w.dispatches++ == 0) w.hostWrote = false;
    w.drain();
}

DispatchScope::~DispatchScope() { --watcher().dispatches; }

void noteHostWrite() { watcher().hostWrote = true; }

void readQueue() { watcher().drain(); }

FreshScope::FreshScope()
{
    Watcher& w = watcher();
    if (w.depth++ == 0 && (w.dispatches == 0 || w.hostWrote)) w.drain();
}

FreshScope::~FreshScope() { --watcher().depth; }

Sources::Sources() : m_since(watcher().clock), m_keepable(watcher().fd() >= 0) {}

void Sources::addChain(Node* n)
{
    for (Node* a = n; a != nullptr && a->parent != nullptr; a = a->parent) {
        if (std::find(m_chained.begin(), m_chained.end(), a) != m_chained.end()) return;
        m_chained.push_back(a);
        // Below a missing folder there is nothing to watch: its entry in the folder above
        // is what tells when it appears.
        if (a->parent->wd >= 0) m_deps.push_back({a->parent, a->inParent, Depth::Name});
    }
}

void Sources::addEntry(const std::string& folder, std::string_view name, Depth depth)
{
    if (!m_keepable) return;
    Watcher& w = watcher();
    Node* f = w.node(folder);
    if (f == nullptr) {
        refuse();
        return;
    }
    Status s = w.ensure(f, false, depth == Depth::Content);
    if (s == Status::Unwatchable) {
        refuse();
        return;
    }
    addChain(f);
    if (s == Status::Watched) m_deps.push_back({f, &Watcher::entry(f, name), depth});
}

void Sources::addPath(const std::string& hostPath, Depth depth)
{
    size_t slash = hostPath.find_last_of('/');
    if (slash == std::string::npos || slash + 1 == hostPath.size()) {
        refuse();
        return;
    }
    addEntry(slash == 0 ? std::string("/") : hostPath.substr(0, slash), std::string_view(hostPath).substr(slash + 1),
             depth);
    if (depth != Depth::Content || !m_keepable) return;
    Watcher& w = watcher();
    Node* file = w.node(hostPath);
    Status s = file != nullptr ? w.ensure(file, true) : Status::Unwatchable;
    if (s == Status::Unwatchable) refuse();
    else if (s == Status::Watched) m_deps.push_back({file, nullptr, Depth::Content});
}

bool Sources::unchanged() const
{
    const Watcher& w = watcher();
    if (!m_keepable || w.lostAll > m_since) return false;
    for (const Dependency& d : m_deps) {
        const Node* n = d.node;
        if (n->wd < 0 || n->self > m_since || n->watchedAt > m_since) return false;
        if (d.entry != nullptr) {
            if (d.entry->name > m_since || (d.depth == Depth::Content && d.entry->content > m_since)) return false;
        } else if (d.depth == Depth::Content && n->content > m_since) {
            return false;
        }
    }
    return true;
}

Node* Sources::addFolder(const std::string& folder, Depth depth)
{
    Watcher& w = watcher();
    Node* n = w.node(folder);
    if (n == nullptr) {
        refuse();
        return nullptr;
    }
    if (n->parent != nullptr) addEntry(n->parent->path, std::string_view(folder).substr(folder.find_last_of('/') + 1));
    if (!m_keepable) return nullptr;
    Status s = w.ensure(n, false, depth == Depth::Content);
    if (s == Status::Unwatchable) refuse();
    if (s != Status::Watched) return nullptr;
    m_deps.push_back({n, nullptr, Depth::Name});
    return n;
}

void listen(Node* folder, Listener* listener)
{
    auto& ls = folder->listeners;
    if (std::find(ls.begin(), ls.end(), listener) == ls.end()) ls.push_back(listener);
}

void stopListening(Node* folder, Listener* listener)
{
    auto& ls = folder->listeners;
    ls.erase(std::remove(ls.begin(), ls.end(), listener), ls.end());
}

const std::string& pathOf(const Node* node) { return node->path; }

int queueDescriptor() { return watcher().fd(); }

}  // namespace zrxhost::watch

namespace zrxhost {

void setChangeWatchLimit(std::optional<size_t> limit) { watch::watcher().setLimit(limit); }

size_t changeWatchCount() { return watch::watcher().watches(); }

}  // namespace zrxhost
