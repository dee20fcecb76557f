// Parsed definition files, kept by path while a change notification on the file's folder
// stays quiet. When it reports a change the file is read again: parsed anew only when its
// bytes differ.
#include <cstdio>
#include <map>
#include <string_view>
#include <utility>

#include "ent_definition.h"
#include "zrx.h"

namespace {

// Changes that can alter what a definition file's path holds.
constexpr DWORD kFileChanges = FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME | FILE_NOTIFY_CHANGE_SIZE |
                               FILE_NOTIFY_CHANGE_LAST_WRITE;

// A change notification on the folder of one file, closed with it.
class FolderWatch {
public:
    FolderWatch() = default;
    // No watch for an empty folder: the file is then read on every use.
    explicit FolderWatch(const std::string& folder)
        : m_handle(folder.empty() ? INVALID_HANDLE_VALUE : FindFirstChangeNotification(folder.c_str(), FALSE, kFileChanges))
    {
    }
    FolderWatch(FolderWatch&& other) noexcept : m_handle(std::exchange(other.m_handle, INVALID_HANDLE_VALUE)) {}
    FolderWatch& operator=(FolderWatch&& other) noexcept
    {
        std::swap(m_handle, other.m_handle);
        return *this;
    }
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;
    ~FolderWatch()
    {
        if (valid()) FindCloseChangeNotification(m_handle);
    }

    bool valid() const { return m_handle != INVALID_HANDLE_VALUE; }
    // Nothing changed since the watch was made or last rearmed.
    bool quiet() const { return valid() && WaitForSingleObject(m_handle, 0) == WAIT_TIMEOUT; }
    // Ready for the next change: done before the file is read, so that a change made while
    // it is read counts as a later one.
    void rearm()
    {
        if (valid()) FindNextChangeNotification(m_handle);
    }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

struct CachedDefinition {
    std::string bytes;
    std::shared_ptr<const EntDefinition> definition;
    FolderWatch watch;
};

// An installation holds a handful of definition files; a caller wandering through many
// paths only starts the cache over.
constexpr size_t kMaxCached = 32;

std::map<std::string, CachedDefinition, std::less<>>& cache()
{
    static std::map<std::string, CachedDefinition, std::less<>> byPath;
    return byPath;
}

// The folder of a path given from a drive's root ("C:\STD" for "C:\STD\stiff.ent"); empty
// for any other path, whose meaning moves with the current folder.
std::string folderOf(const std::string& path)
{
    if (path.size() < 4 || path[1] != ':' || (path[2] != '\\' && path[2] != '/')) return {};
    size_t sep = path.find_last_of("\\/");
    return sep == 2 ? path.substr(0, 3) : path.substr(0, sep);
}

// The file's bytes as they are on disk; false when it cannot be opened.
bool readBytes(const char* path, std::string& bytes)
{
    FILE* f = fopen(path, "rb");
    if (f == nullptr) return false;
    char buf[4096];
    size_t n = 0;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
    std::fclose(f);
    return true;
}

}  // namespace

std::shared_ptr<const EntDefinition> findEntDefinition(const char* path)
{
    if (path == nullptr || path[0] == '\0') return std::make_shared<const EntDefinition>();
    auto found = cache().find(std::string_view(path));
    if (found != cache().end() && found->second.watch.quiet()) return found->second.definition;

    FolderWatch watch;
    if (found != cache().end() && found->second.watch.valid()) {
        watch = std::move(found->second.watch);
        watch.rearm();
    } else {
        watch = FolderWatch(folderOf(path));
    }
    std::string bytes;
    if (!readBytes(path, bytes)) {
        if (found != cache().end()) cache().erase(found);
        return std::make_shared<const EntDefinition>();
    }
    if (found != cache().end() && found->second.bytes == bytes) {
        found->second.watch = std::move(watch);
        return found->second.definition;
    }

    auto definition = std::make_shared<const EntDefinition>(loadEntDefinition(path));
    // Only a usable file is kept: a malformed one is reported again on every use, as before.
    if (definition->status != EntDefinition::Status::kOk) {
        if (found != cache().end()) cache().erase(found);
        return definition;
    }
    if (found == cache().end() && cache().size() >= kMaxCached) cache().clear();
    cache()[path] = CachedDefinition{std::move(bytes), definition, std::move(watch)};
    return definition;
}
