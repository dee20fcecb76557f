// Light-weight polylines; R12 has none, so they are written there as old-style 2D
// polylines with one VERTEX per vertex and an end of sequence.
#include <memory>

#include "db/access.h"
#include "db_polyline.h"
#include "dxf/entity_codec.h"
#include "dxf/file_state.h"

namespace zrx::dxf {

namespace {

ZcDbEntity* readPolyline(Record& r, ReadContext& c)
{
    auto e = std::make_unique<ZcDbPolyline>();
    std::vector<zrxhost::LwVertex> vertices;
    double constantWidth = -1.0;
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        switch (r[i].code) {
        case 90: r.integer(i, c.file); break;
        case 70: {
            int64_t flags = r.integer(i, c.file);
            e->setClosed((flags & 1) != 0);
            if ((flags & ~int64_t(1)) != 0) c.keepBits(70, flags & ~int64_t(1));
            break;
        }
        case 43: constantWidth = r.real(i, c.file); break;
        case 38: e->setElevation(r.real(i, c.file)); break;
        case 39: e->setThickness(r.real(i, c.file)); break;
        case 210:
            if (e->setNormal(r.vector(i, c.file)) != Zcad::eOk) {
                return nullptr;
            }
            break;
        case 10: {
            ZcGePoint3d p = r.point(i, c.file);
            zrxhost::LwVertex v;
            v.point = ZcGePoint2d(p.x, p.y);
            v.startWidth = v.endWidth = constantWidth > 0.0 ? constantWidth : 0.0;
            vertices.push_back(v);
            break;
        }
        case 40: case 41: case 42:
            if (vertices.empty()) break;
            if (r[i].code == 40) vertices.back().startWidth = r.real(i, c.file);
            else if (r[i].code == 41) vertices.back().endWidth = r.real(i, c.file);
            else vertices.back().bulge = r.real(i, c.file);
            break;
        default: break;
        }
    }
    for (size_t k = 0; k < vertices.size(); ++k) {
        const auto& v = vertices[k];
        if (v.startWidth < 0.0 || v.endWidth < 0.0) {
            return nullptr;
        }
        e->addVertexAt(static_cast<unsigned>(k), v.point, v.bulge, v.startWidth, v.endWidth);
    }
    return e.release();
}

void writeR12Polyline(ObjectOut& o, const ZcDbPolyline* e, WriteContext& c, int64_t flags)
{
    TagWriter& w = o.w;
    const std::string layer = WriteContext::nameOf(e->layerId());
    w.integer(66, 1);
    w.point(10, 0.0, 0.0, e->elevation());
    w.integer(70, flags);
    if (e->thickness() != 0.0) w.real(39, e->thickness());
    if (!isWorldZ(e->normal())) w.point(210, e->normal().x, e->normal().y, e->normal().z);
    o.end(e);
    for (const zrxhost::LwVertex& v : zrxhost::vertices(e)) {
        w.plain(0, "VERTEX");
        w.handle(5, c.newHandle());
        w.text(8, layer);
        w.point(10, v.point.x, v.point.y, e->elevation());
        if (v.startWidth != 0.0) w.real(40, v.startWidth);
        if (v.endWidth != 0.0) w.real(41, v.endWidth);
        if (v.bulge != 0.0) w.real(42, v.bulge);
    }
    w.plain(0, "SEQEND");
    w.handle(5, c.newHandle());
    w.text(8, layer);
}

void writePolyline(ObjectOut& o, const ZcDbEntity* ent, WriteContext& c)
{
    auto* e = ZcDbPolyline::cast(ent);
    int64_t flags = (e->isClosed() ? 1 : 0) | o.bits(70);
    if (o.r12()) {
        // The old 2D polyline keeps only the closed and linetype-generation bits.
        writeR12Polyline(o, e, c, flags & (1 | 128));
        return;
    }
    TagWriter& w = o.w;
    o.subclass("AcDbPolyline");
    w.integer(90, e->numVerts());
    w.integer(70, flags);
    double width = 0.0;
    bool constant = e->numVerts() > 0 && e->getConstantWidth(width) == Zcad::eOk;
    if (constant) w.real(43, width);
    if (e->elevation() != 0.0) w.real(38, e->elevation());
    if (e->thickness() != 0.0) w.real(39, e->thickness());
    for (const zrxhost::LwVertex& v : zrxhost::vertices(e)) {
        w.point2d(10, v.point.x, v.point.y);
        if (!constant) {
            w.real(40, v.startWidth);
            w.real(41, v.endWidth);
        }
        if (v.bulge != 0.0) w.real(42, v.bulge);
    }
    if (!isWorldZ(e->normal())) w.point(210, e->normal().x, e->normal().y, e->normal().z);
}

}  // namespace

extern const EntityCodec kPolylineCodec{"LWPOLYLINE", &ZcDbPolyline::desc, &readPolyline, &writePolyline, "POLYLINE", "10"};

}  // namespace zrx::dxf
