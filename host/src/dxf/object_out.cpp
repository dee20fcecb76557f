// Writing objects subclass by subclass with their kept pairs in place.
#include "dxf/object_out.h"

#include <algorithm>

#include "db/database_impl.h"
#include "db/xdata_store.h"
#include "zc_resbuf.h"
#include "zrxhost/resbuf_kind.h"

namespace zrx::dxf {

bool r12Code(int code)
{
    return (code >= 0 && code <= 91) || (code >= 93 && code <= 99) || (code >= 140 && code <= 179) ||
           (code >= 210 && code <= 239) || code == 999 || code >= 1000;
}

void writeKept(TagWriter& w, Version version, const KeptTags& tags)
{
    bool inGroup = false;
    for (const KeptTag& t : tags) {
        if (version == Version::R12) {
            // Application groups ({ACAD_XDICTIONARY …}) and owner links are not R12's.
            if (t.code == 102) {
                inGroup = !t.value.empty() && t.value[0] == '{';
                continue;
            }
            if (inGroup || !r12Code(t.code)) continue;
        }
        w.kept(t);
    }
}

void writeRawRecord(TagWriter& w, Version version, const RawRecord& r)
{
    w.text(0, r.type);
    writeKept(w, version, r.tags);
}

ObjectOut::ObjectOut(TagWriter& writer, Version v, const Extras* extras)
    : w(writer), version(v), m_extras(extras)
{
    if (m_extras != nullptr) m_done.assign(m_extras->sections.size(), 0);
}

ObjectOut::~ObjectOut() { zcutRelRb(m_xdata); }

void ObjectOut::replaceXdata(resbuf* chain)
{
    zcutRelRb(m_xdata);
    m_xdata = chain;
    m_replacedXdata = true;
}

bool ObjectOut::kept(int code) const
{
    if (m_extras == nullptr) return false;
    for (const ExtraSection& s : m_extras->sections) {
        for (const KeptTag& t : s.tags) {
            if (t.code == code) return true;
        }
    }
    return false;
}

std::string ObjectOut::keptValue(int code) const
{
    if (m_extras != nullptr) {
        for (const ExtraSection& s : m_extras->sections) {
            for (const KeptTag& t : s.tags) {
                if (t.code == code) return t.value;
            }
        }
    }
    return "";
}

void ObjectOut::begin(std::string_view type, const ZcDbObject* obj, int handleCode)
{
    w.plain(0, type);
    if (!obj->objectId().handle().isNull()) w.handle(handleCode, static_cast<uint64_t>(obj->objectId().handle()));
}

void ObjectOut::begin(std::string_view type, uint64_t handle, uint64_t /*owner*/, int handleCode)
{
    w.plain(0, type);
    if (handle != 0) w.handle(handleCode, handle);
}

void ObjectOut::ownership(const ZcDbObject* obj)
{
    if (!r12()) {
        ZcDbObjectIdArray reactors = obj->getPersistentReactors();
        bool any = false;
        for (const ZcDbObjectId& id : reactors) any = any || (!id.isNull() && !id.isErased());
        if (any) {
            w.plain(102, "{ACAD_REACTORS");
            for (const ZcDbObjectId& id : reactors) {
                if (!id.isNull() && !id.isErased()) w.handle(330, static_cast<uint64_t>(id.handle()));
            }
            w.plain(102, "}");
        }
    }
    ownership(obj->ownerId().isNull() ? 0 : static_cast<uint64_t>(obj->ownerId().handle()));
}

void ObjectOut::ownership(uint64_t owner)
{
    m_started = true;
    m_current = "";
    flushCurrent();
    if (!r12()) w.handle(330, owner);
}

void ObjectOut::writeSection(const ExtraSection& s)
{
    if (!m_dropTrueColor && m_dropped.empty()) {
        writeKept(w, version, s.tags);
        return;
    }
    KeptTags kept;
    for (const KeptTag& t : s.tags) {
        if (m_dropTrueColor && (t.code == 420 || t.code == 430)) continue;
        if (std::find(m_dropped.begin(), m_dropped.end(), t.code) != m_dropped.end()) continue;
        kept.push_back(t);
    }
    writeKept(w, version, kept);
}

void ObjectOut::flushCurrent()
{
    if (m_extras == nullptr) return;
    for (size_t i = 0; i < m_extras->sections.size(); ++i) {
        if (m_done[i] || m_extras->sections[i].marker != m_current) continue;
        m_done[i] = 1;
        writeSection(m_extras->sections[i]);
        return;
    }
}

void ObjectOut::subclass(std::string_view marker)
{
    if (m_started) flushCurrent();
    m_started = true;
    m_current = marker;
    if (!r12()) w.plain(100, marker);
}

void ObjectOut::end()
{
    if (m_ended) return;
    m_ended = true;
    flushCurrent();
    if (m_extras == nullptr) return;
    for (size_t i = 0; i < m_extras->sections.size(); ++i) {
        if (m_done[i]) continue;
        m_done[i] = 1;
        const ExtraSection& s = m_extras->sections[i];
        if (!r12() && !s.marker.empty() && s.marker != "~") w.plain(100, s.marker);
        writeSection(s);
    }
}

void ObjectOut::end(const ZcDbObject* obj)
{
    if (m_ended) return;
    end();
    if (m_replacedXdata) writeXdata(w, m_xdata);
    else writeXdata(w, obj);
}

namespace {
void writeBinary(TagWriter& w, int code, std::string_view bytes)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        hex += digits[b >> 4];
        hex += digits[b & 15];
    }
    w.plain(code, hex);
}
}  // namespace

void writeXdata(TagWriter& w, const ZcDbObject* obj)
{
    // Straight from the object's store: no chain is built for a million entities.
    const zrxhost::XdataStore* store = zrxhost::Access::xdataOf(obj);
    if (store == nullptr) return;
    size_t pos = 0;
    zrxhost::XdataStore::App app;
    while (store->nextApp(pos, app)) {
        w.text(1001, app.name);
        zrxhost::XdataStore::Items items(app.items);
        zrxhost::XdataStore::Item item;
        while (items.next(item)) {
            switch (item.kind) {
            case zrxhost::RbValueKind::kString: w.text(item.code, item.text); break;
            case zrxhost::RbValueKind::kPoint: w.point(item.code, item.point[0], item.point[1], item.point[2]); break;
            case zrxhost::RbValueKind::kReal: w.real(item.code, item.real); break;
            case zrxhost::RbValueKind::kShort:
            case zrxhost::RbValueKind::kLong: w.integer(item.code, item.integer); break;
            case zrxhost::RbValueKind::kBinary: writeBinary(w, item.code, item.text); break;
            default: break;
            }
        }
    }
}

void writeXdata(TagWriter& w, const resbuf* xdata)
{
    for (const resbuf* rb = xdata; rb != nullptr; rb = rb->rbnext) {
        int code = rb->restype;
        switch (zrxhost::rbValueKind(code)) {
        case zrxhost::RbValueKind::kString:
            w.text(code, rb->resval.rstring != nullptr ? rb->resval.rstring : "");
            break;
        case zrxhost::RbValueKind::kPoint:
            w.point(code, rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]);
            break;
        case zrxhost::RbValueKind::kReal:
            w.real(code, rb->resval.rreal);
            break;
        case zrxhost::RbValueKind::kShort:
            w.integer(code, rb->resval.rint);
            break;
        case zrxhost::RbValueKind::kLong:
            w.integer(code, rb->resval.rlong);
            break;
        case zrxhost::RbValueKind::kBinary: {
            short n = rb->resval.rbinary.clen;
            writeBinary(w, code, std::string_view(rb->resval.rbinary.buf, n > 0 ? static_cast<size_t>(n) : 0));
            break;
        }
        default:
            break;
        }
    }
}

}  // namespace zrx::dxf
