// Intersections between straight and circular spans, gathered and ordered per curve pair.
#include "geom/intersect.h"

#include "geom/span.h"
#include "zrx/ge_plane.h"

#include <algorithm>
#include <cmath>

namespace zrx::geom {

namespace {

using Points = std::vector<ZcGePoint3d>;

// Candidates lie on the full line or circle of each span; bounds are checked later.
Points lineLine(const Span& a, const Span& b, const ZcGeTol& tol)
{
    if (a.dir.crossProduct(b.dir).length() <= tol.equalVector()) return {};
    const ZcGeVector3d w = a.base - b.base;
    const double c = a.dir.dotProduct(b.dir);
    const double d = a.dir.dotProduct(w), e = b.dir.dotProduct(w);
    const double denom = 1.0 - c * c;
    const ZcGePoint3d pa = a.base + a.dir * ((c * e - d) / denom);
    const ZcGePoint3d pb = b.base + b.dir * ((e - c * d) / denom);
    if (pa.distanceTo(pb) > tol.equalPoint()) return {};  // skew lines
    return {pa};
}

// A line lying in the circle's plane, given by a point and a unit direction.
Points lineCircleInPlane(const ZcGePoint3d& base, const ZcGeVector3d& dir, const Span& circle, const ZcGeTol& tol)
{
    const ZcGePoint3d foot = base + dir * (circle.center - base).dotProduct(dir);
    const double h = foot.distanceTo(circle.center);
    // Tangency is decided on the distance before any square root, so it stays one point.
    if (std::fabs(h - circle.radius) <= tol.equalPoint()) return {foot};
    if (h > circle.radius) return {};
    const double s = std::sqrt(circle.radius * circle.radius - h * h);
    return {foot - dir * s, foot + dir * s};
}

Points lineCircle(const Span& line, const Span& circle, const ZcGeTol& tol)
{
    const double dn = line.dir.dotProduct(circle.normal);
    if (std::fabs(dn) <= tol.equalVector()) {
        if (std::fabs((line.base - circle.center).dotProduct(circle.normal)) > tol.equalPoint()) return {};
        return lineCircleInPlane(line.base, line.dir, circle, tol);
    }
    // Through the plane: at most the one point where it pierces it.
    const ZcGePoint3d p = line.base + line.dir * ((circle.center - line.base).dotProduct(circle.normal) / dn);
    if (std::fabs(p.distanceTo(circle.center) - circle.radius) > tol.equalPoint()) return {};
    return {p};
}

Points coplanarCircles(const Span& a, const Span& b, const ZcGeTol& tol)
{
    ZcGeVector3d v = b.center - a.center;
    v -= a.normal * v.dotProduct(a.normal);
    const double d = v.length();
    if (d <= tol.equalPoint()) return {};  // concentric: apart, or one circle overlapping
    const ZcGeVector3d u = v / d;
    const double r1 = a.radius, r2 = b.radius;
    if (std::fabs(d - (r1 + r2)) <= tol.equalPoint()) return {a.center + u * r1};
    if (std::fabs(d - std::fabs(r1 - r2)) <= tol.equalPoint()) return {a.center + u * (r1 >= r2 ? r1 : -r1)};
    if (d > r1 + r2 || d < std::fabs(r1 - r2)) return {};
    const double along = (d * d + r1 * r1 - r2 * r2) / (2.0 * d);
    const double h = std::sqrt(std::max(r1 * r1 - along * along, 0.0));
    const ZcGeVector3d w = a.normal.crossProduct(u);
    return {a.center + u * along + w * h, a.center + u * along - w * h};
}

Points circleCircle(const Span& a, const Span& b, const ZcGeTol& tol)
{
    if (a.normal.crossProduct(b.normal).length() <= tol.equalVector()) {
        if (std::fabs((b.center - a.center).dotProduct(a.normal)) > tol.equalPoint()) return {};
        return coplanarCircles(a, b, tol);
    }
    // Tilted planes: the circles can only meet on the planes' common line.
    ZcGePoint3d base;
    ZcGeVector3d dir;
    if (!ZcGePlane(a.center, a.normal).intersectWith(ZcGePlane(b.center, b.normal), base, dir, tol)) return {};
    Points out;
    for (const ZcGePoint3d& p : lineCircleInPlane(base, dir, a, tol))
        if (std::fabs(p.distanceTo(b.center) - b.radius) <= tol.equalPoint()) out.push_back(p);
    return out;
}

Points candidates(const Span& a, const Span& b, const ZcGeTol& tol)
{
    if (!a.isArc && !b.isArc) return lineLine(a, b, tol);
    if (!a.isArc) return lineCircle(a, b, tol);
    if (!b.isArc) return lineCircle(b, a, tol);
    return circleCircle(a, b, tol);
}

}  // namespace

std::vector<ZcGePoint3d> intersectWith(const Curve& first, const Curve& second, Extend mode, const ZcGeTol& tol)
{
    const bool extendFirst = mode == Extend::This || mode == Extend::Both;
    const bool extendSecond = mode == Extend::Arg || mode == Extend::Both;
    const std::vector<Span> spansA = spansOf(first, extendFirst);
    const std::vector<Span> spansB = spansOf(second, extendSecond);

    std::vector<std::pair<double, ZcGePoint3d>> hits;
    for (const Span& a : spansA)
        for (const Span& b : spansB)
            for (const ZcGePoint3d& p : candidates(a, b, tol)) {
                const auto la = a.localParam(p, tol);
                if (la && b.localParam(p, tol)) hits.emplace_back(a.ownerParam(*la), p);
            }
    std::stable_sort(hits.begin(), hits.end(), [](const auto& x, const auto& y) { return x.first < y.first; });

    // Pieces meeting at a vertex, and a closed curve's seam, report a point twice.
    std::vector<ZcGePoint3d> out;
    for (const auto& hit : hits)
        if (std::none_of(out.begin(), out.end(), [&](const ZcGePoint3d& q) { return q.isEqualTo(hit.second, tol); }))
            out.push_back(hit.second);
    return out;
}

}  // namespace zrx::geom
