// Parsed definition files, kept by path and checked against the file's bytes on every use.
#include <cstdio>
#include <map>

#include "ent_definition.h"
#include "zrx.h"

namespace {

struct CachedDefinition {
    std::string bytes;
    std::shared_ptr<const EntDefinition> definition;
};

// An installation holds a handful of definition files; a caller wandering through many
// paths only starts the cache over.
constexpr size_t kMaxCached = 32;

std::map<std::string, CachedDefinition>& cache()
{
    static std::map<std::string, CachedDefinition> byPath;
    return byPath;
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
    std::string bytes;
    if (path == nullptr || path[0] == '\0' || !readBytes(path, bytes)) {
        if (path != nullptr) cache().erase(path);
        return std::make_shared<const EntDefinition>();
    }
    auto found = cache().find(path);
    if (found != cache().end() && found->second.bytes == bytes) return found->second.definition;

    auto definition = std::make_shared<const EntDefinition>(loadEntDefinition(path));
    // Only a usable file is kept: a malformed one is reported again on every use, as before.
    if (definition->status != EntDefinition::Status::kOk) {
        if (found != cache().end()) cache().erase(found);
        return definition;
    }
    if (found == cache().end() && cache().size() >= kMaxCached) cache().clear();
    cache()[path] = CachedDefinition{std::move(bytes), definition};
    return definition;
}
