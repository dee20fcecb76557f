// Entity geometry for intersections, and its projection onto a plane.
#include "ent/entity_geometry.h"

#include <cmath>

#include "db_spline.h"
#include "ent/kernel_curve.h"
#include "geom/spline_intersect.h"
#include "geom/spline_project.h"
#include "geom/spline_eval.h"
#include "geom/spline_transform.h"
#include "db/access.h"

namespace geom = zrx::geom;

namespace zrxent {

std::optional<Geometry> geometryOf(const ZcDbEntity* entity)
{
    if (auto* spline = ZcDbSpline::cast(entity)) {
        if (spline->isNull()) return std::nullopt;
        return Geometry(zrxhost::nurbs(spline));
    }
    std::optional<geom::Curve> c = kernelOf(entity);
    if (!c) return std::nullopt;
    return Geometry(std::move(*c));
}

std::vector<ZcGePoint3d> intersect(const Geometry& a, const Geometry& b, geom::Extend mode)
{
    return std::visit([mode](const auto& x, const auto& y) { return geom::intersectWith(x, y, mode); }, a, b);
}

namespace {

std::optional<ZcGeVector3d> planeNormalOf(const geom::Curve& g)
{
    if (const auto* a = std::get_if<geom::Arc>(&g)) return a->normal;
    if (const auto* p = std::get_if<geom::Polyline>(&g)) return p->normal();
    return std::nullopt;
}

ZcGePoint3d anyPointOf(const geom::Curve& g)
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

std::optional<geom::Curve> projectedCurve(const geom::Curve& g, const ZcGePlane& plane)
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

std::optional<ZcGePoint3d> liftBackCurve(const geom::Curve& original, const ZcGePlane& plane,
                                         const ZcGePoint3d& onFlat)
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

// Projection along the normal onto the plane, an affine map: a spline's image is the
// spline of its projected control points, on the same parameters.
ZcGeMatrix3d projectionOnto(const ZcGePlane& plane)
{
    ZcGeVector3d n = plane.normal();
    ZcGePoint3d o = plane.pointOnPlane();
    ZcGeMatrix3d m;
    double d = o.asVector().dotProduct(n);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) m.entry[r][c] = (r == c ? 1.0 : 0.0) - n[static_cast<unsigned>(r)] * n[static_cast<unsigned>(c)];
        m.entry[r][3] = d * n[static_cast<unsigned>(r)];
    }
    return m;
}

std::optional<Geometry> projected(const Geometry& g, const ZcGePlane& plane)
{
    if (const auto* s = std::get_if<geom::Nurbs>(&g)) {
        std::optional<geom::Nurbs> flat = geom::transformed(*s, projectionOnto(plane));
        if (!flat) return std::nullopt;
        return Geometry(std::move(*flat));
    }
    std::optional<geom::Curve> flat = projectedCurve(std::get<geom::Curve>(g), plane);
    if (!flat) return std::nullopt;
    return Geometry(std::move(*flat));
}

std::optional<ZcGePoint3d> liftBack(const Geometry& original, const ZcGePlane& plane, const ZcGePoint3d& onFlat)
{
    if (const auto* s = std::get_if<geom::Nurbs>(&original)) {
        std::optional<geom::Nurbs> flat = geom::transformed(*s, projectionOnto(plane));
        if (!flat) return std::nullopt;
        std::optional<double> t = geom::paramAtPoint(*flat, onFlat);
        if (!t) return std::nullopt;
        return geom::pointAtParam(*s, *t);
    }
    return liftBackCurve(std::get<geom::Curve>(original), plane, onFlat);
}

}  // namespace zrxent
