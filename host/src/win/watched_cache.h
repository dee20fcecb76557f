// Answers kept by key while nothing they were drawn from changes (win/change_watch.h).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "win/change_watch.h"

namespace zrxhost::watch {

template <class Value>
class WatchedCache {
public:
    explicit WatchedCache(size_t capacity) : m_capacity(capacity) {}

    // Inside a FreshScope: the value kept under the key while it is still true, else null.
    const Value* find(std::string_view key)
    {
        auto it = m_kept.find(key);
        if (it == m_kept.end()) return nullptr;
        if (it->second.sources.unchanged()) return &it->second.value;
        m_kept.erase(it);
        return nullptr;
    }

    // Keeps a value made from those sources, unless they cannot be watched. A cache that is
    // full starts over: callers wandering through many keys only lose what they had.
    void keep(std::string key, Value value, Sources sources)
    {
        if (!sources.keepable()) return;
        if (m_kept.size() >= m_capacity) m_kept.clear();
        m_kept.insert_or_assign(std::move(key), Entry{std::move(value), std::move(sources)});
    }

    void forget(std::string_view key)
    {
        if (auto it = m_kept.find(key); it != m_kept.end()) m_kept.erase(it);
    }
    void clear() { m_kept.clear(); }

private:
    struct Entry {
        Value value;
        Sources sources;
    };
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    size_t m_capacity;
    std::unordered_map<std::string, Entry, Hash, std::equal_to<>> m_kept;
};

}  // namespace zrxhost::watch
