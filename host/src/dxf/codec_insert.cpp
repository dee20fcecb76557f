// Block references. Their attributes and end of sequence follow them in the file; the
// reader attaches those, the writer writes them after the reference.
#include <memory>

#include "db_block.h"
#include "db_block_reference.h"
#include "db_text.h"
#include "db/database_impl.h"
#include "dxf/entity_codec.h"
#include "dxf/file_state.h"
#include "zrxhost/contract.h"

namespace zrx::dxf {

namespace {

ZcDbEntity* readInsert(Record& r, ReadContext& c)
{
    auto e = std::make_unique<ZcDbBlockReference>();
    ZcGeVector3d n(0, 0, 1);
    for (size_t i = 0; i < r.size(); ++i) {
        if (r[i].code == 210 && !r.used(i)) {
            n = r.vector(i, c.file);
            break;
        }
    }
    ZcGeScale3d scale(1, 1, 1);
    bool ok = e->setNormal(n) == Zcad::eOk;
    n = e->normal();
    for (size_t i = 0; ok && i < r.size(); ++i) {
        if (r.used(i)) continue;
        switch (r[i].code) {
        case 2: ok = e->setBlockTableRecord(c.block(c.text(r, i), r[i].line)) == Zcad::eOk; break;
        case 10: e->setPosition(ocsToWcs(r.point(i, c.file), n)); break;
        case 41: scale.sx = r.real(i, c.file); break;
        case 42: scale.sy = r.real(i, c.file); break;
        case 43: scale.sz = r.real(i, c.file); break;
        case 50: e->setRotation(r.real(i, c.file) / kDegrees); break;
        case 66: r.integer(i, c.file); break;
        default: break;
        }
    }
    ok = ok && !e->blockTableRecord().isNull() && e->setScaleFactors(scale) == Zcad::eOk;
    return ok ? e.release() : nullptr;
}

bool hasLiveAttributes(const ZcDbBlockReference* e)
{
    for (const ZcDbObjectId& id : zrxhost::attributeIds(e)) {
        if (!id.isErased()) return true;
    }
    return false;
}

void writeInsert(ObjectOut& o, const ZcDbEntity* ent, WriteContext& c)
{
    auto* e = ZcDbBlockReference::cast(ent);
    TagWriter& w = o.w;
    o.subclass("AcDbBlockReference");
    bool attributes = hasLiveAttributes(e);
    if (attributes) w.integer(66, 1);
    w.text(2, WriteContext::nameOf(e->blockTableRecord()));
    ZcGeVector3d n = e->normal();
    ZcGePoint3d p = wcsToOcs(e->position(), n);
    w.point(10, p.x, p.y, p.z);
    ZcGeScale3d s = e->scaleFactors();
    if (s.sx != 1.0) w.real(41, s.sx);
    if (s.sy != 1.0) w.real(42, s.sy);
    if (s.sz != 1.0) w.real(43, s.sz);
    if (e->rotation() != 0.0) w.real(50, e->rotation() * kDegrees);
    if (!isWorldZ(n)) w.point(210, n.x, n.y, n.z);
    if (!attributes) return;
    o.end(e);
    for (const ZcDbObjectId& id : zrxhost::attributeIds(e)) {
        if (id.isErased()) continue;
        if (auto* a = zrxhost::peek<ZcDbEntity>(id)) c.writeEntity(a);
    }
    if (c.state != nullptr) {
        auto found = c.state->seqends.find(static_cast<uint64_t>(e->objectId().handle()));
        if (found != c.state->seqends.end()) {
            writeRawRecord(w, c.version, found->second);
            return;
        }
    }
    w.plain(0, "SEQEND");
    w.handle(5, c.newHandle());
    if (!o.r12()) {
        w.handle(330, static_cast<uint64_t>(e->objectId().handle()));
        w.plain(100, "AcDbEntity");
    }
    w.text(8, WriteContext::nameOf(e->layerId()));
}

}  // namespace

extern const EntityCodec kInsertCodec{"INSERT", &ZcDbBlockReference::desc, &readInsert, &writeInsert, nullptr, "2 10"};

}  // namespace zrx::dxf
