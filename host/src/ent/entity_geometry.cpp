// Entity geometry for intersections, and its projection onto a plane.
#include "ent/entity_geometry.h"

#include <cmath>

#include "ent/kernel_curve.h"

namespace geom = zrx::geom;

namespace zrxent {

std::optional<Geometry> geometryOf(const ZcDbEntity* entity) { return kernelOf(entity); }

std::vector<ZcGePoint3d> intersect(const Geometry& a, const Geometry& b, geom::Extend mode)
{
    return geom::intersectWith(a, b, mode);
}

namespace {

std::optional<ZcGeVector3d> planeNormalOf(const Geometry& g)
{
    if (const auto* a = std::get_if<geom::Arc>(&g)) return a->normal;
    if (const auto* p = std::get_if<geom::Polyline>(&g)) return p->normal();
    return std::nullopt;
}

ZcGePoint3d anyPointOf(const Geometry& g)
{
    if (const auto* a = std::get_if<geom::Arc>(&g)) return a->center;
    const auto& pl = std::get<geom::Polyline>(g);
    return pl.toWorld(ZcGePoint2d(0, 0));
}

ZcGeVector3d alongNormal(const ZcGeVector3d& v, const ZcGePlane& plane)
{
    ZcGeVector3d n = plane.normal();
    return n * v.dotProduct(n);
}

}  // namespace

std::optional<Geometry> projected(const Geometry& g, const ZcGePlane& plane)
{
    if (const auto* l = std::get_if<geom::Line>(&g)) {
        ZcGePoint3d base = plane.closestPointTo(l->base);
        ZcGeVector3d dir = l->direction - alongNormal(l->direction, plane);
        if (dir.isZeroLength()) return std::nullopt;
        switch (l->kind) {
        case geom::LineKind::Segment: return geom::Curve(geom::Line::segment(base, plane.closestPointTo(l->end)));
        case geom::LineKind::Ray: return geom::Curve(geom::Line::ray(base, dir));
        case geom::LineKind::Infinite: return geom::Curve(geom::Line::infinite(base, dir));
        }
        return std::nullopt;
    }
    std::optional<ZcGeVector3d> n = planeNormalOf(g);
    if (!n || !n->isParallelTo(plane.normal())) return std::nullopt;
    ZcGePoint3d p = anyPointOf(g);
    ZcGeMatrix3d shift = ZcGeMatrix3d::translation(plane.closestPointTo(p) - p);
    return geom::transformed(g, shift);
}

std::optional<ZcGePoint3d> liftBack(const Geometry& original, const ZcGePlane& plane, const ZcGePoint3d& onFlat)
{
    if (const auto* l = std::get_if<geom::Line>(&original)) {
        ZcGePoint3d base = plane.closestPointTo(l->base);
        ZcGeVector3d dir = l->direction - alongNormal(l->direction, plane);
        double s = (onFlat - base).dotProduct(dir) / dir.lengthSqrd();
        return l->base + l->direction * s;
    }
    ZcGePoint3d p = anyPointOf(original);
    return onFlat + (p - plane.closestPointTo(p));
}

}  // namespace zrxent
