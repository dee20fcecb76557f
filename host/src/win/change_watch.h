// Changes to host files as the kernel reports them (inotify), so that what the host has
// read once may be served again without going back to the disk, and never after it changed.
//
// Folders are watched by host path, each with the folders above it up to "/": an answer
// drawn from a file depends on every entry along its path, and renaming any folder on the
// way changes what the path names. The kernel queues an event before the call that made
// the change returns; the host reads the queue (non-blocking):
// - when it dispatches a command or a LISP call (DispatchScope): inside it the files are
//   as they were when it began, and a change another program makes meanwhile is seen from
//   the next dispatch on, so a kept answer costs no system call;
// - at every host call that may serve a kept answer (FreshScope) outside any dispatch (a
//   test or a tool calling the SDK directly), and inside one after the host itself changed
//   a file (noteHostWrite), so that neither ever sees stale data.
// Where a folder cannot be watched (no inotify, the watch limit reached, a symbolic link on
// the way) answers drawn from it are not kept.
//
// The host is called from one thread, as the platform's API is; none of this is locked.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zrxhost::watch {

struct Node;
struct EntryStamps;

// A command or LISP call the host dispatches: the queue is read as it begins.
class DispatchScope {
public:
    DispatchScope();
    ~DispatchScope();
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;
};

// The host has changed (or opened for writing) a file or folder: from now on to the end of
// the dispatch, every host call reads the queue again, so the change is seen at once.
void noteHostWrite();

// Reads the queue now, whatever runs (a wait for a change notification).
void readQueue();

// Opens a host call that may serve kept answers: the outermost one reads the queue of
// events first, outside a dispatch or after a write of the host's, so that the call sees
// every change made before it began. Nested ones read nothing more.
class FreshScope {
public:
    FreshScope();
    ~FreshScope();
    FreshScope(const FreshScope&) = delete;
    FreshScope& operator=(const FreshScope&) = delete;
};

// How much of an entry an answer was drawn from.
enum class Depth {
    Name,     // whether the entry is there, how it is spelt, what kind it is
    Content,  // also its bytes and attributes
};

// What one answer was drawn from. Made inside a FreshScope before the file system is read:
// every folder it names is watched from the moment it is added, so a change made while the
// answer is being worked out counts as a change after it.
class Sources {
public:
    Sources();

    // The entry of a host folder, looked up without regard to case, and every entry on the
    // way down to that folder.
    void addEntry(const std::string& folder, std::string_view name, Depth depth = Depth::Name);
    // A host path: its entry in its folder and the folders above. With Content, a file is
    // watched itself too (a write through another hard link reaches it that way); a
    // symbolic link is refused, as its target is not watched.
    void addPath(const std::string& hostPath, Depth depth);
    // A host folder that listeners may follow: the folder itself and every entry on the
    // way down to it; with Content, its files' writes are watched too. Null when it is
    // missing or cannot be watched.
    Node* addFolder(const std::string& folder, Depth depth = Depth::Name);
    // The answer was drawn from something that cannot be watched.
    void refuse() { m_keepable = false; }

    // Whether the answer may be kept at all.
    bool keepable() const { return m_keepable; }
    // Inside a FreshScope: nothing the answer was drawn from changed since it was made.
    bool unchanged() const;

private:
    void addChain(Node* node);

    struct Dependency {
        const Node* node;
        const EntryStamps* entry;  // null: the node itself (a watched file or a followed folder)
        Depth depth;
    };
    uint64_t m_since;
    std::vector<Dependency> m_deps;
    std::vector<const Node*> m_chained;
    bool m_keepable = true;
};

// Something told of changes in a watched folder (the change-notification handles).
class Listener {
public:
    // An event in the folder: mask as inotify gives it, name empty for the folder itself
    // (IN_Q_OVERFLOW: events were lost, anything may have changed); stamp is the same for
    // every event read at one look at the queue. A listener only takes note: it must not
    // watch or stop watching from here.
    virtual void changed(const Node& folder, uint32_t mask, std::string_view name, uint64_t stamp) = 0;

protected:
    ~Listener() = default;
};

void listen(Node* folder, Listener* listener);
void stopListening(Node* folder, Listener* listener);
const std::string& pathOf(const Node* node);

// The file descriptor of the queue, for waiting on it; -1 when nothing can be watched.
int queueDescriptor();

}  // namespace zrxhost::watch
