// Leaders: vertices in world coordinates, the style by name, the annotation by handle
// (resolved once every object exists: the annotation often comes later in the file).
#include <memory>

#include "db_leader.h"
#include "db/database_impl.h"
#include "dxf/entity_codec.h"
#include "zrxhost/contract.h"

namespace zrx::dxf {

namespace {

ZcDbEntity* readLeader(Record& r, ReadContext& c)
{
    auto e = std::make_unique<ZcDbLeader>();
    uint64_t annotation = 0;
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        switch (r[i].code) {
        case 3: {
            ZcDbObjectId style = c.dimStyleForEntity(c.text(r[i]), r[i].line);
            if (!style.isNull()) {
                e->setDimensionStyle(style);
                r.use(i);
            }
            break;
        }
        case 71:
            if (r.integer(i, c.file) == 0) e->disableArrowHead();
            else e->enableArrowHead();
            break;
        case 72:
            if (r.integer(i, c.file) == 1) e->setToSplineLeader();
            else e->setToStraightLeader();
            break;
        case 76: r.integer(i, c.file); break;
        case 10: e->appendVertex(r.point(i, c.file)); break;
        case 340: annotation = r.handle(i, c.file); break;
        default: break;
        }
    }
    if (annotation != 0) {
        c.later([&c, leader = e.get(), annotation] {
            ZcDbObjectId id = c.idOf(annotation);
            if (!id.isNull()) leader->attachAnnotation(id);
        });
    }
    return e.release();
}

void writeLeader(ObjectOut& o, const ZcDbEntity* ent, WriteContext&)
{
    auto* e = ZcDbLeader::cast(ent);
    TagWriter& w = o.w;
    o.subclass("AcDbLeader");
    w.text(3, WriteContext::nameOf(e->dimensionStyle()));
    w.integer(71, e->hasArrowHead() ? 1 : 0);
    w.integer(72, e->isSplined() ? 1 : 0);
    w.integer(76, e->numVertices());
    for (int i = 0; i < e->numVertices(); ++i) {
        ZcGePoint3d p = e->vertexAt(i);
        w.point(10, p.x, p.y, p.z);
    }
    ZcDbObjectId annotation = e->annotationObjId();
    if (!annotation.isNull() && !annotation.isErased()) w.handle(340, static_cast<uint64_t>(annotation.handle()));
}

}  // namespace

extern const EntityCodec kLeaderCodec{"LEADER", &ZcDbLeader::desc, &readLeader, &writeLeader, "", "10"};

}  // namespace zrx::dxf
