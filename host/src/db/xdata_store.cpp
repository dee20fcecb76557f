#include "xdata_store.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>

#include "util/text_case.h"
#include "zrxhost/resbuf_kind.h"

namespace {

using zrxhost::xdata::kNullText;
using zrxhost::xdata::take;
using zrxhost::xdata::takeBytes;

char* copyBytes(std::string_view s)
{
    char* p = static_cast<char*>(std::malloc(s.size() + 1));
    std::memcpy(p, s.data(), s.size());
    p[s.size()] = '\0';
    return p;
}

}  // namespace

// ---- groups ----

template <class T>
void zrxhost::XdataStore::Encoder::raw(const T& v)
{
    m_bytes.append(reinterpret_cast<const char*>(&v), sizeof v);
}

void zrxhost::XdataStore::Encoder::code(int c) { raw(static_cast<int16_t>(c)); }

void zrxhost::XdataStore::Encoder::text(int c, std::string_view value)
{
    code(c);
    raw(static_cast<uint32_t>(value.size()));
    m_bytes.append(value);
}

void zrxhost::XdataStore::Encoder::real(int c, double value)
{
    code(c);
    raw(value);
}

void zrxhost::XdataStore::Encoder::point(int c, double x, double y, double z)
{
    code(c);
    const double p[3] = {x, y, z};
    raw(p);
}

void zrxhost::XdataStore::Encoder::integer(int c, int32_t value)
{
    code(c);
    if (zrxhost::rbValueKind(c) == zrxhost::RbValueKind::kShort) raw(static_cast<int16_t>(value));
    else raw(value);
}

void zrxhost::XdataStore::Encoder::binary(int c, std::string_view bytes)
{
    code(c);
    raw(static_cast<int16_t>(bytes.size()));
    m_bytes.append(bytes);
}

bool zrxhost::XdataStore::Encoder::add(const resbuf* rb)
{
    int c = rb->restype;
    if (c < 1000 || c > 1071) return false;
    const ads_u_val& v = rb->resval;
    switch (zrxhost::rbValueKind(c)) {
    case zrxhost::RbValueKind::kString:
        if (v.rstring == nullptr) {
            code(c);
            raw(kNullText);
        } else {
            text(c, v.rstring);
        }
        return true;
    case zrxhost::RbValueKind::kReal: real(c, v.rreal); return true;
    case zrxhost::RbValueKind::kPoint: point(c, v.rpoint[0], v.rpoint[1], v.rpoint[2]); return true;
    case zrxhost::RbValueKind::kShort: integer(c, v.rint); return true;
    case zrxhost::RbValueKind::kLong: integer(c, v.rlong); return true;
    case zrxhost::RbValueKind::kBinary:
        // A length the chain states as none or negative is kept as it is, with no bytes.
        code(c);
        raw(v.rbinary.clen);
        if (v.rbinary.clen > 0) m_bytes.append(v.rbinary.buf, static_cast<size_t>(v.rbinary.clen));
        return true;
    default:
        return false;
    }
}

// ---- applications ----

namespace {

// The next entry of encoded applications at pos; false past the last.
bool nextEntry(std::string_view all, size_t& pos, zrxhost::XdataStore::App& app)
{
    if (pos >= all.size()) return false;
    std::string_view rest = all.substr(pos);
    auto nameLength = take<uint16_t>(rest);
    app.name = takeBytes(rest, nameLength);
    auto itemsLength = take<uint32_t>(rest);
    app.items = takeBytes(rest, itemsLength);
    pos = static_cast<size_t>(app.items.data() + app.items.size() - all.data());
    return true;
}

// Where the application's entry is in the encoded applications: [from, to); false when absent.
bool findEntry(std::string_view all, std::string_view name, size_t& from, size_t& to, zrxhost::XdataStore::App& app)
{
    size_t pos = 0;
    while (nextEntry(all, pos, app)) {
        if (zrxhost::equalsNoCase(app.name, name)) {
            from = static_cast<size_t>(app.name.data() - sizeof(uint16_t) - all.data());
            to = pos;
            return true;
        }
    }
    return false;
}

void appendEntry(std::string& out, std::string_view name, std::string_view items)
{
    if (name.size() > std::numeric_limits<uint16_t>::max()) name = name.substr(0, std::numeric_limits<uint16_t>::max());
    auto nameLength = static_cast<uint16_t>(name.size());
    auto itemsLength = static_cast<uint32_t>(items.size());
    out.append(reinterpret_cast<const char*>(&nameLength), sizeof nameLength);
    out.append(name);
    out.append(reinterpret_cast<const char*>(&itemsLength), sizeof itemsLength);
    out.append(items);
}

}  // namespace

void zrxhost::XdataStore::operator delete(void* p) { ::operator delete(p); }

std::unique_ptr<zrxhost::XdataStore> zrxhost::XdataStore::make(std::string_view bytes)
{
    if (bytes.empty()) return nullptr;
    void* block = ::operator new(sizeof(zrxhost::XdataStore) + bytes.size());
    auto* store = new (block) zrxhost::XdataStore(bytes.size());
    std::memcpy(static_cast<char*>(block) + sizeof(zrxhost::XdataStore), bytes.data(), bytes.size());
    return std::unique_ptr<zrxhost::XdataStore>(store);
}

std::unique_ptr<zrxhost::XdataStore> zrxhost::XdataStore::clone() const { return make(bytes()); }

bool zrxhost::XdataStore::nextApp(size_t& pos, App& app) const { return nextEntry(bytes(), pos, app); }

bool zrxhost::XdataStore::find(std::string_view name, App& app) const
{
    size_t from = 0, to = 0;
    return findEntry(bytes(), name, from, to, app);
}

void zrxhost::XdataStore::Builder::start(const zrxhost::XdataStore* from)
{
    m_bytes.clear();
    if (from != nullptr) m_bytes.assign(from->bytes());
}

void zrxhost::XdataStore::Builder::put(std::string_view name, std::string_view items)
{
    size_t from = 0, to = 0;
    App old;
    if (!findEntry(m_bytes, name, from, to, old)) {
        appendEntry(m_bytes, name, items);
        return;
    }
    std::string bytes = m_bytes.substr(0, from);
    appendEntry(bytes, old.name, items);
    bytes.append(m_bytes, to, std::string::npos);
    m_bytes.swap(bytes);
}

void zrxhost::XdataStore::Builder::remove(std::string_view name)
{
    size_t from = 0, to = 0;
    App old;
    if (findEntry(m_bytes, name, from, to, old)) m_bytes.erase(from, to - from);
}

std::unique_ptr<zrxhost::XdataStore> zrxhost::XdataStore::Builder::finish()
{
    std::unique_ptr<zrxhost::XdataStore> store = make(m_bytes);
    m_bytes.clear();
    return store;
}

// ---- chains ----

resbuf* zrxhost::XdataStore::chain(std::string_view items)
{
    resbuf* head = nullptr;
    resbuf** tail = &head;
    Items it(items);
    Item item;
    while (it.next(item)) {
        resbuf* rb = zcutNewRb(item.code);
        switch (item.kind) {
        case zrxhost::RbValueKind::kString:
            rb->resval.rstring = item.nullText ? nullptr : copyBytes(item.text);
            break;
        case zrxhost::RbValueKind::kReal: rb->resval.rreal = item.real; break;
        case zrxhost::RbValueKind::kPoint:
            for (int k = 0; k < 3; ++k) rb->resval.rpoint[k] = item.point[k];
            break;
        case zrxhost::RbValueKind::kShort: rb->resval.rint = static_cast<short>(item.integer); break;
        case zrxhost::RbValueKind::kLong: rb->resval.rlong = item.integer; break;
        case zrxhost::RbValueKind::kBinary:
            rb->resval.rbinary.clen = item.binaryLength;
            rb->resval.rbinary.buf = static_cast<char*>(std::malloc(item.text.empty() ? 1 : item.text.size()));
            if (!item.text.empty()) std::memcpy(rb->resval.rbinary.buf, item.text.data(), item.text.size());
            break;
        default:
            break;
        }
        *tail = rb;
        tail = &rb->rbnext;
    }
    return head;
}

resbuf* zrxhost::XdataStore::chain(const char* onlyApp) const
{
    resbuf* head = nullptr;
    resbuf** tail = &head;
    size_t pos = 0;
    App app;
    while (nextApp(pos, app)) {
        if (onlyApp != nullptr && !zrxhost::equalsNoCase(app.name, onlyApp)) continue;
        resbuf* name = zcutNewRb(1001);
        name->resval.rstring = copyBytes(app.name);
        name->rbnext = chain(app.items);
        *tail = name;
        while (*tail != nullptr) tail = &(*tail)->rbnext;
        if (onlyApp != nullptr) break;
    }
    return head;
}
