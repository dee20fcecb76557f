// Xdata as an object keeps it: per application, in the order the applications came, all
// of an object's groups encoded in one allocation. A drawing of a million entities with
// xdata would otherwise hold most of its memory in result buffers and their strings, one
// allocation each; chains are made only when a caller asks for one.
#pragma once

#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "zc_adsdefs.h"
#include "zc_resbuf.h"
#include "zrxhost/resbuf_kind.h"

namespace zrxhost::xdata {

// The encoding: a string's length when its value was a null pointer.
constexpr uint32_t kNullText = std::numeric_limits<uint32_t>::max();

template <class T>
T take(std::string_view& rest)
{
    T v{};
    std::memcpy(&v, rest.data(), sizeof v);
    rest.remove_prefix(sizeof v);
    return v;
}

inline std::string_view takeBytes(std::string_view& rest, size_t n)
{
    std::string_view v = rest.substr(0, n);
    rest.remove_prefix(n);
    return v;
}

}  // namespace zrxhost::xdata

namespace zrxhost {

class XdataStore {
public:
    // One group after an application's 1001 group, as stored; only the fields of its kind
    // are set.
    struct Item {
        int code = 0;
        zrxhost::RbValueKind kind = zrxhost::RbValueKind::kNone;
        std::string_view text;               // kString; the bytes of kBinary
        bool nullText = false;               // a string group whose value was a null pointer
        short binaryLength = 0;              // kBinary, as the chain stated it
        double real = 0.0;                   // kReal
        double point[3] = {0.0, 0.0, 0.0};  // kPoint
        int32_t integer = 0;                 // kShort, kLong
    };

    // An application's name and its encoded groups; walk the groups with Items.
    struct App {
        std::string_view name;
        std::string_view items;
    };

    class Items {
    public:
        explicit Items(std::string_view encoded) : m_rest(encoded) {}
        bool next(Item& item);

    private:
        std::string_view m_rest;
    };

    // Encodes the groups of one application.
    class Encoder {
    public:
        void clear() { m_bytes.clear(); }
        bool empty() const { return m_bytes.empty(); }
        std::string_view bytes() const { return m_bytes; }

        void text(int code, std::string_view value);
        void real(int code, double value);
        void point(int code, double x, double y, double z);
        void integer(int code, int32_t value);  // 16 or 32 bits, by the code
        void binary(int code, std::string_view bytes);
        // One result buffer of an xdata code; false for a code xdata cannot hold.
        bool add(const resbuf* rb);

    private:
        void code(int c);
        template <class T>
        void raw(const T& v);
        std::string m_bytes;
    };

    // Makes a store from an old one and changes per application; reusable after finish().
    class Builder {
    public:
        void start(const XdataStore* from);
        // Replaces an application's groups (the name first stored stays) or adds them at
        // the end; names compare without regard to case.
        void put(std::string_view name, std::string_view items);
        void remove(std::string_view name);
        // The new store; null when no application is left.
        std::unique_ptr<XdataStore> finish();

    private:
        std::string m_bytes;
    };

    XdataStore(const XdataStore&) = delete;
    XdataStore& operator=(const XdataStore&) = delete;
    ~XdataStore() = default;
    // The store and its bytes are one block.
    static void operator delete(void* p);

    std::unique_ptr<XdataStore> clone() const;
    // The application's groups (names compared without regard to case); false when absent.
    bool find(std::string_view name, App& app) const;
    // Applications in order: from 0, each call gives the next; false past the last.
    bool nextApp(size_t& pos, App& app) const;

    // The groups as a new chain (without the 1001 group); null when there are none.
    static resbuf* chain(std::string_view items);
    // Every application (or only the one named) with its 1001 group, as a new chain.
    resbuf* chain(const char* onlyApp) const;

private:
    explicit XdataStore(size_t size) : m_size(size) {}
    static std::unique_ptr<XdataStore> make(std::string_view bytes);
    std::string_view bytes() const { return {reinterpret_cast<const char*>(this + 1), m_size}; }

    // The bytes follow the object: application entries one after another, each its name
    // length (16 bits), name, groups length (32 bits) and groups.
    size_t m_size;
};

// Inline: chains are made and written group by group.
inline bool XdataStore::Items::next(Item& item)
{
    if (m_rest.empty()) return false;
    item.text = {};
    item.nullText = false;
    item.code = zrxhost::xdata::take<int16_t>(m_rest);
    item.kind = zrxhost::rbValueKind(item.code);
    switch (item.kind) {
    case zrxhost::RbValueKind::kString: {
        auto n = zrxhost::xdata::take<uint32_t>(m_rest);
        item.nullText = n == zrxhost::xdata::kNullText;
        if (!item.nullText) item.text = zrxhost::xdata::takeBytes(m_rest, n);
        break;
    }
    case zrxhost::RbValueKind::kReal: item.real = zrxhost::xdata::take<double>(m_rest); break;
    case zrxhost::RbValueKind::kPoint:
        for (double& d : item.point) d = zrxhost::xdata::take<double>(m_rest);
        break;
    case zrxhost::RbValueKind::kShort: item.integer = zrxhost::xdata::take<int16_t>(m_rest); break;
    case zrxhost::RbValueKind::kLong: item.integer = zrxhost::xdata::take<int32_t>(m_rest); break;
    case zrxhost::RbValueKind::kBinary:
        item.binaryLength = zrxhost::xdata::take<int16_t>(m_rest);
        item.text = zrxhost::xdata::takeBytes(m_rest, item.binaryLength > 0 ? static_cast<size_t>(item.binaryLength) : 0);
        break;
    default:
        break;
    }
    return true;
}

}  // namespace zrxhost
