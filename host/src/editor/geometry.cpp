// Entities against points and polygons, by the primitives they are drawn with: curves,
// text boxes and points. Block references, dimensions and anything else made of several
// pieces are exploded and their pieces tested.
#include "editor/geometry.h"

#include <cmath>
#include <limits>
#include <memory>

#include "db/database_impl.h"
#include "ent/text_layout.h"
#include "geom/text_metrics.h"
#include "zrxhost/contract.h"

namespace zrxhost::ed {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

ZcGePoint2d xy(const ZcGePoint3d& p) { return {p.x, p.y}; }

// The corners of a text's box, reading it upright.
std::array<ZcGePoint3d, 4> textCorners(const ZcDbText* t)
{
    return zrxent::textLayoutOf(*t, 2.5).corners;
}

Polygon boxPolygon(const ZcDbExtents& e)
{
    const ZcGePoint3d& a = e.minPoint();
    const ZcGePoint3d& b = e.maxPoint();
    return {{a.x, a.y}, {b.x, a.y}, {b.x, b.y}, {a.x, b.y}};
}

double segmentDistance(const ZcGePoint2d& p, const ZcGePoint2d& a, const ZcGePoint2d& b)
{
    ZcGeVector2d ab = b - a;
    double len2 = ab.x * ab.x + ab.y * ab.y;
    double t = len2 > 0 ? ((p.x - a.x) * ab.x + (p.y - a.y) * ab.y) / len2 : 0.0;
    t = std::max(0.0, std::min(1.0, t));
    ZcGePoint2d foot = a + ab * t;
    return p.distanceTo(foot);
}

bool segmentsCross(const ZcGePoint2d& a, const ZcGePoint2d& b, const ZcGePoint2d& c, const ZcGePoint2d& d)
{
    auto orient = [](const ZcGePoint2d& p, const ZcGePoint2d& q, const ZcGePoint2d& r) {
        return (q.x - p.x) * (r.y - p.y) - (q.y - p.y) * (r.x - p.x);
    };
    double d1 = orient(c, d, a), d2 = orient(c, d, b), d3 = orient(a, b, c), d4 = orient(a, b, d);
    return ((d1 > 0) != (d2 > 0) || d1 == 0 || d2 == 0) && ((d3 > 0) != (d4 > 0) || d3 == 0 || d4 == 0) &&
           !(d1 == 0 && d2 == 0 && d3 == 0 && d4 == 0 &&
             (std::max(a.x, b.x) < std::min(c.x, d.x) || std::max(c.x, d.x) < std::min(a.x, b.x) ||
              std::max(a.y, b.y) < std::min(c.y, d.y) || std::max(c.y, d.y) < std::min(a.y, b.y)));
}

bool polygonsCross(const Polygon& a, const Polygon& b)
{
    for (size_t i = 0; i < a.size(); ++i) {
        for (size_t j = 0; j < b.size(); ++j) {
            if (segmentsCross(a[i], a[(i + 1) % a.size()], b[j], b[(j + 1) % b.size()])) return true;
        }
    }
    return false;
}

bool curveMeetsBoundary(const ZcDbCurve* curve, const Polygon& polygon)
{
    ZcDbPolyline boundary;
    for (unsigned i = 0; i < polygon.size(); ++i) boundary.addVertexAt(i, polygon[i]);
    boundary.setClosed(true);
    ZcGePoint3dArray hits;
    // The curve may lie off the XY plane; its shadow on it is what the user sees.
    ZcGePlane plan(ZcGePoint3d::kOrigin, ZcGeVector3d::kZAxis);
    if (curve->intersectWith(&boundary, ZcDb::kOnBothOperands, plan, hits) != Zcad::eOk) return false;
    return !hits.isEmpty();
}

ZcGePoint3d anyPointOnCurve(const ZcDbCurve* c)
{
    ZcGePoint3d p;
    if (c->getStartPoint(p) == Zcad::eOk) return p;
    double t = 0;
    c->getStartParam(t);
    c->getPointAtParam(t, p);
    return p;
}

bool isUnbounded(const ZcDbEntity* e) { return ZcDbRay::cast(e) != nullptr || ZcDbXline::cast(e) != nullptr; }

// The pieces of a compound entity; empty when it does not come apart.
std::vector<std::unique_ptr<ZcDbEntity>> pieces(const ZcDbEntity* e)
{
    std::vector<std::unique_ptr<ZcDbEntity>> out;
    ZcDbVoidPtrArray parts;
    if (e->explode(parts) != Zcad::eOk) {
        for (void* p : parts) delete static_cast<ZcDbEntity*>(p);
        return out;
    }
    for (void* p : parts) out.emplace_back(static_cast<ZcDbEntity*>(p));
    return out;
}


}  // namespace

bool pointInPolygon(const ZcGePoint2d& p, const Polygon& polygon)
{
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const ZcGePoint2d& a = polygon[i];
        const ZcGePoint2d& b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside;
}

bool entityWithin(const ZcDbEntity* e, const Polygon& polygon)
{
    if (polygon.size() < 3) return false;
    if (auto* c = ZcDbCurve::cast(e)) {
        if (isUnbounded(e)) return false;
        return pointInPolygon(xy(anyPointOnCurve(c)), polygon) && !curveMeetsBoundary(c, polygon);
    }
    if (auto* t = ZcDbText::cast(e)) {
        Polygon box;
        for (const ZcGePoint3d& p : textCorners(t)) box.push_back(xy(p));
        for (const ZcGePoint2d& p : box) {
            if (!pointInPolygon(p, polygon)) return false;
        }
        return !polygonsCross(box, polygon);
    }
    if (auto* pt = ZcDbPoint::cast(e)) return pointInPolygon(xy(pt->position()), polygon);
    auto parts = pieces(e);
    if (parts.empty()) {
        ZcDbExtents ext;
        if (e->getGeomExtents(ext) != Zcad::eOk || zrxhost::isEmpty(ext)) return false;
        for (const ZcGePoint2d& p : boxPolygon(ext)) {
            if (!pointInPolygon(p, polygon)) return false;
        }
        return true;
    }
    for (const auto& part : parts) {
        if (!entityWithin(part.get(), polygon)) return false;
    }
    return true;
}

bool entityCrossing(const ZcDbEntity* e, const Polygon& polygon)
{
    if (polygon.size() < 3) return false;
    if (auto* c = ZcDbCurve::cast(e)) {
        return pointInPolygon(xy(anyPointOnCurve(c)), polygon) || curveMeetsBoundary(c, polygon);
    }
    if (auto* t = ZcDbText::cast(e)) {
        Polygon box;
        for (const ZcGePoint3d& p : textCorners(t)) box.push_back(xy(p));
        return pointInPolygon(box[0], polygon) || pointInPolygon(polygon[0], box) || polygonsCross(box, polygon);
    }
    if (auto* pt = ZcDbPoint::cast(e)) return pointInPolygon(xy(pt->position()), polygon);
    auto parts = pieces(e);
    if (parts.empty()) {
        ZcDbExtents ext;
        if (e->getGeomExtents(ext) != Zcad::eOk || zrxhost::isEmpty(ext)) return false;
        Polygon box = boxPolygon(ext);
        return pointInPolygon(box[0], polygon) || pointInPolygon(polygon[0], box) || polygonsCross(box, polygon);
    }
    for (const auto& part : parts) {
        if (entityCrossing(part.get(), polygon)) return true;
    }
    return false;
}

double entityDistance(const ZcDbEntity* e, const ZcGePoint3d& p)
{
    if (auto* c = ZcDbCurve::cast(e)) {
        // The closest point in space can differ from the closest one seen from above
        // only for curves off the XY plane, which hull plans do not have.
        ZcGePoint3d onCurve;
        if (c->getClosestPointTo(ZcGePoint3d(p.x, p.y, anyPointOnCurve(c).z), onCurve) != Zcad::eOk) return kInf;
        return xy(onCurve).distanceTo(xy(p));
    }
    if (auto* t = ZcDbText::cast(e)) {
        Polygon box;
        for (const ZcGePoint3d& q : textCorners(t)) box.push_back(xy(q));
        if (pointInPolygon(xy(p), box)) return 0.0;
        double d = kInf;
        for (size_t i = 0; i < box.size(); ++i) d = std::min(d, segmentDistance(xy(p), box[i], box[(i + 1) % box.size()]));
        return d;
    }
    if (auto* pt = ZcDbPoint::cast(e)) return xy(pt->position()).distanceTo(xy(p));
    double d = kInf;
    for (const auto& part : pieces(e)) d = std::min(d, entityDistance(part.get(), p));
    return d;
}

ZcGePoint3d pointOnEntity(const ZcDbEntity* e)
{
    if (auto* c = ZcDbCurve::cast(e)) {
        if (isUnbounded(e)) return anyPointOnCurve(c);
        double endParam = 0, length = 0;
        ZcGePoint3d mid;
        if (c->getEndParam(endParam) == Zcad::eOk && c->getDistAtParam(endParam, length) == Zcad::eOk &&
            c->getPointAtDist(length / 2, mid) == Zcad::eOk)
            return mid;
        return anyPointOnCurve(c);
    }
    if (auto* t = ZcDbText::cast(e)) {
        auto corners = textCorners(t);
        return corners[0] + (corners[2] - corners[0]) / 2.0;
    }
    if (auto* pt = ZcDbPoint::cast(e)) return pt->position();
    ZcDbExtents ext;
    if (e->getGeomExtents(ext) == Zcad::eOk && !zrxhost::isEmpty(ext))
        return ext.minPoint() + (ext.maxPoint() - ext.minPoint()) / 2.0;
    return ZcGePoint3d::kOrigin;
}

bool isShown(const ZcDbEntity* e)
{
    if (e->visibility() != ZcDb::kVisible) return false;
    auto* layer = zrxhost::peek<ZcDbLayerTableRecord>(e->layerId());
    return layer == nullptr || (!layer->isOff() && !layer->isFrozen());
}

std::vector<ZcDbObjectId> liveEntities(ZcDbObjectId blockId)
{
    std::vector<ZcDbObjectId> ids;
    auto* block = zrxhost::peek<ZcDbBlockTableRecord>(blockId);
    if (block == nullptr) return ids;
    for (ZcDbObjectId id : zrxhost::entityIds(block)) {
        if (!id.isErased()) ids.push_back(id);
    }
    return ids;
}

}  // namespace zrxhost::ed
