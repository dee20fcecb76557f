// Lines, rays, construction lines, circles, arcs and points. Circle and arc centres are in
// the entity's coordinate system in the file and in world coordinates in the host.
#include <memory>

#include "db_arc.h"
#include "db_line.h"
#include "db_point.h"
#include "dxf/entity_codec.h"

namespace zrx::dxf {

namespace {

// Normal (210) and thickness (39) wherever they are in the record, before the points that
// depend on the normal are converted.
ZcGeVector3d readNormal(Record& r, ReadContext& c)
{
    for (size_t i = 0; i < r.size(); ++i) {
        if (r[i].code == 210 && !r.used(i)) {
            size_t j = i;
            ZcGeVector3d n = r.vector(j, c.file);
            return n.isZeroLength() ? ZcGeVector3d(0, 0, 1) : n;
        }
    }
    return {0, 0, 1};
}

void writeNormal(TagWriter& w, const ZcGeVector3d& n)
{
    if (!isWorldZ(n)) w.point(210, n.x, n.y, n.z);
}

void writeThickness(TagWriter& w, double t)
{
    if (t != 0.0) w.real(39, t);
}

// ---- LINE ----
ZcDbEntity* readLine(Record& r, ReadContext& c)
{
    auto e = std::make_unique<ZcDbLine>();
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        switch (r[i].code) {
        case 10: e->setStartPoint(r.point(i, c.file)); break;
        case 11: e->setEndPoint(r.point(i, c.file)); break;
        case 39: e->setThickness(r.real(i, c.file)); break;
        case 210: e->setNormal(r.vector(i, c.file)); break;
        default: break;
        }
    }
    return e.release();
}

void writeLine(ObjectOut& o, const ZcDbEntity* ent, WriteContext&)
{
    auto* e = ZcDbLine::cast(ent);
    o.subclass("AcDbLine");
    writeThickness(o.w, e->thickness());
    ZcGePoint3d s = e->startPoint(), t = e->endPoint();
    o.w.point(10, s.x, s.y, s.z);
    o.w.point(11, t.x, t.y, t.z);
    writeNormal(o.w, e->normal());
}

// ---- RAY and XLINE ----
template <class T>
ZcDbEntity* readInfinite(Record& r, ReadContext& c)
{
    auto e = std::make_unique<T>();
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        if (r[i].code == 10) {
            e->setBasePoint(r.point(i, c.file));
        } else if (r[i].code == 11) {
            if (e->setUnitDir(r.vector(i, c.file)) != Zcad::eOk) {
                return nullptr;
            }
        }
    }
    return e.release();
}

template <class T>
void writeInfinite(ObjectOut& o, const ZcDbEntity* ent, const char* marker)
{
    auto* e = T::cast(ent);
    o.subclass(marker);
    ZcGePoint3d b = e->basePoint();
    ZcGeVector3d d = e->unitDir();
    o.w.point(10, b.x, b.y, b.z);
    o.w.point(11, d.x, d.y, d.z);
}

void writeRay(ObjectOut& o, const ZcDbEntity* e, WriteContext&) { writeInfinite<ZcDbRay>(o, e, "AcDbRay"); }
void writeXline(ObjectOut& o, const ZcDbEntity* e, WriteContext&) { writeInfinite<ZcDbXline>(o, e, "AcDbXline"); }

// ---- CIRCLE and ARC ----
template <class T>
bool readRound(Record& r, ReadContext& c, T* e)
{
    ZcGeVector3d n = readNormal(r, c);
    if (e->setNormal(n) != Zcad::eOk) return false;
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        switch (r[i].code) {
        case 10: e->setCenter(ocsToWcs(r.point(i, c.file), n)); break;
        case 40:
            if (e->setRadius(r.real(i, c.file)) != Zcad::eOk) return false;
            break;
        case 39: e->setThickness(r.real(i, c.file)); break;
        case 210: r.vector(i, c.file); break;
        default: break;
        }
    }
    return true;
}

template <class T>
void writeRound(ObjectOut& o, const T* e)
{
    o.subclass("AcDbCircle");
    writeThickness(o.w, e->thickness());
    ZcGePoint3d p = wcsToOcs(e->center(), e->normal());
    o.w.point(10, p.x, p.y, p.z);
    o.w.real(40, e->radius());
    writeNormal(o.w, e->normal());
}

ZcDbEntity* readCircle(Record& r, ReadContext& c)
{
    auto e = std::make_unique<ZcDbCircle>();
    if (readRound(r, c, e.get())) return e.release();
    return nullptr;
}

void writeCircle(ObjectOut& o, const ZcDbEntity* e, WriteContext&) { writeRound(o, ZcDbCircle::cast(e)); }

ZcDbEntity* readArc(Record& r, ReadContext& c)
{
    auto e = std::make_unique<ZcDbArc>();
    if (!readRound(r, c, e.get())) {
        return nullptr;
    }
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        if (r[i].code == 50) e->setStartAngle(r.real(i, c.file) / kDegrees);
        else if (r[i].code == 51) e->setEndAngle(r.real(i, c.file) / kDegrees);
    }
    return e.release();
}

void writeArc(ObjectOut& o, const ZcDbEntity* ent, WriteContext&)
{
    auto* e = ZcDbArc::cast(ent);
    writeRound(o, e);
    o.subclass("AcDbArc");
    o.w.real(50, e->startAngle() * kDegrees);
    o.w.real(51, e->endAngle() * kDegrees);
}

// ---- POINT ----
ZcDbEntity* readPoint(Record& r, ReadContext& c)
{
    auto e = std::make_unique<ZcDbPoint>();
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        switch (r[i].code) {
        case 10: e->setPosition(r.point(i, c.file)); break;
        case 39: e->setThickness(r.real(i, c.file)); break;
        case 50: e->setEcsRotation(r.real(i, c.file) / kDegrees); break;
        case 210:
            if (e->setNormal(r.vector(i, c.file)) != Zcad::eOk) {
                return nullptr;
            }
            break;
        default: break;
        }
    }
    return e.release();
}

void writePoint(ObjectOut& o, const ZcDbEntity* ent, WriteContext&)
{
    auto* e = ZcDbPoint::cast(ent);
    o.subclass("AcDbPoint");
    ZcGePoint3d p = e->position();
    o.w.point(10, p.x, p.y, p.z);
    writeThickness(o.w, e->thickness());
    writeNormal(o.w, e->normal());
    if (e->ecsRotation() != 0.0) o.w.real(50, e->ecsRotation() * kDegrees);
}

}  // namespace

extern const EntityCodec kLineCodec{"LINE", &ZcDbLine::desc, &readLine, &writeLine, nullptr, "10 11"};
extern const EntityCodec kRayCodec{"RAY", &ZcDbRay::desc, &readInfinite<ZcDbRay>, &writeRay, "", "10 11"};
extern const EntityCodec kXlineCodec{"XLINE", &ZcDbXline::desc, &readInfinite<ZcDbXline>, &writeXline, "", "10 11"};
extern const EntityCodec kCircleCodec{"CIRCLE", &ZcDbCircle::desc, &readCircle, &writeCircle, nullptr, "10 40"};
extern const EntityCodec kArcCodec{"ARC", &ZcDbArc::desc, &readArc, &writeArc, nullptr, "10 40 50 51"};
extern const EntityCodec kPointCodec{"POINT", &ZcDbPoint::desc, &readPoint, &writePoint, nullptr, "10"};

}  // namespace zrx::dxf
