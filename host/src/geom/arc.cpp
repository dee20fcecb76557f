// Circles and arcs: evaluation, parameters, projection, splitting, extents, transformation.
#include "geom/arc.h"

#include "geom/angle.h"
#include "geom/split_params.h"

#include <algorithm>
#include <cmath>

namespace zrx::geom {

namespace {

// A zero normal stands for the world Z axis, as a missing extrusion does in a drawing.
ZcGeVector3d unitNormal(const ZcGeVector3d& n) { return n.isZeroLength() ? ZcGeVector3d::kZAxis : n.normal(); }

double angleTol(const Arc& arc, const ZcGeTol& tol) { return arc.radius > 0.0 ? tol.equalPoint() / arc.radius : 0.0; }

// The angle of a point moved into the arc's range when it lies there within tolerance.
std::optional<double> angleInRange(const Arc& arc, double angle, double angTol)
{
    double a = arc.startAngle + normalizeAngle(angle - arc.startAngle);
    // Just below the start comes out near start + 2π: bring it back.
    if (a > arc.endAngle + angTol && a - kTwoPi >= arc.startAngle - angTol) a -= kTwoPi;
    if (a > arc.endAngle + angTol) return std::nullopt;
    return std::clamp(a, arc.startAngle, arc.endAngle);
}

bool paramInRange(const Arc& arc, double param, double angTol)
{
    return std::isfinite(param) && param >= arc.startAngle - angTol && param <= arc.endAngle + angTol;
}

}  // namespace

Arc Arc::makeCircle(const ZcGePoint3d& c, double r, const ZcGeVector3d& n)
{
    Arc a;
    a.center = c;
    a.radius = r;
    a.normal = unitNormal(n);
    a.startAngle = 0.0;
    a.endAngle = kTwoPi;
    a.circle = true;
    return a;
}

Arc Arc::makeArc(const ZcGePoint3d& c, double r, const ZcGeVector3d& n, double start, double end)
{
    Arc a;
    a.center = c;
    a.radius = r;
    a.normal = unitNormal(n);
    a.startAngle = normalizeAngle(start);
    a.endAngle = normalizeAngle(end);
    if (a.endAngle <= a.startAngle) a.endAngle += kTwoPi;
    return a;
}

ZcGeVector3d Arc::xAxis() const { return normal.perpVector(); }

ZcGePoint3d Arc::at(double angle) const
{
    const ZcGeVector3d x = xAxis();
    return center + (x * std::cos(angle) + normal.crossProduct(x) * std::sin(angle)) * radius;
}

double Arc::angleOf(const ZcGePoint3d& point) const
{
    const ZcGeVector3d v = point - center;
    const ZcGeVector3d x = xAxis();
    return normalizeAngle(std::atan2(v.dotProduct(normal.crossProduct(x)), v.dotProduct(x)));
}

std::optional<ZcGePoint3d> startPoint(const Arc& arc) { return arc.at(arc.startAngle); }

std::optional<ZcGePoint3d> endPoint(const Arc& arc) { return arc.at(arc.endAngle); }

std::optional<ZcGePoint3d> pointAtParam(const Arc& arc, double param, const ZcGeTol& tol)
{
    if (!paramInRange(arc, param, angleTol(arc, tol))) return std::nullopt;
    return arc.at(std::clamp(param, arc.startAngle, arc.endAngle));
}

std::optional<double> paramAtPoint(const Arc& arc, const ZcGePoint3d& point, const ZcGeTol& tol)
{
    const ZcGeVector3d v = point - arc.center;
    const double height = v.dotProduct(arc.normal);
    const double inPlane = (v - arc.normal * height).length();
    if (std::fabs(height) > tol.equalPoint() || std::fabs(inPlane - arc.radius) > tol.equalPoint()) return std::nullopt;
    return angleInRange(arc, arc.angleOf(point), angleTol(arc, tol));
}

std::optional<double> distAtParam(const Arc& arc, double param, const ZcGeTol& tol)
{
    if (!paramInRange(arc, param, angleTol(arc, tol))) return std::nullopt;
    return arc.radius * (std::clamp(param, arc.startAngle, arc.endAngle) - arc.startAngle);
}

std::optional<double> paramAtDist(const Arc& arc, double dist, const ZcGeTol& tol)
{
    if (arc.radius <= 0.0 || !std::isfinite(dist) || dist < -tol.equalPoint() || dist > arc.length() + tol.equalPoint())
        return std::nullopt;
    return std::clamp(arc.startAngle + dist / arc.radius, arc.startAngle, arc.endAngle);
}

std::optional<ZcGeVector3d> firstDeriv(const Arc& arc, double param, const ZcGeTol& tol)
{
    if (!paramInRange(arc, param, angleTol(arc, tol))) return std::nullopt;
    const ZcGeVector3d x = arc.xAxis();
    const ZcGeVector3d y = arc.normal.crossProduct(x);
    return (y * std::cos(param) - x * std::sin(param)) * arc.radius;
}

ZcGePoint3d closestPointTo(const Arc& arc, const ZcGePoint3d& point, bool extend)
{
    const ZcGeVector3d v = point - arc.center;
    if ((v - arc.normal * v.dotProduct(arc.normal)).isZeroLength()) return arc.at(arc.startAngle);
    const double angle = arc.angleOf(point);
    if (extend || arc.circle || angleInRange(arc, angle, 0.0)) return arc.at(angle);
    // Distance grows with the angle away from the foot, so the nearer end wins.
    const ZcGePoint3d s = arc.at(arc.startAngle), e = arc.at(arc.endAngle);
    return s.distanceTo(point) <= e.distanceTo(point) ? s : e;
}

std::vector<Arc> splitAtParams(const Arc& arc, const std::vector<double>& params, const ZcGeTol& tol)
{
    const double angTol = angleTol(arc, tol);
    std::vector<Arc> pieces;
    const auto piece = [&](double a0, double a1) {
        Arc p = Arc::makeArc(arc.center, arc.radius, arc.normal, a0, a1);
        // The full sweep of a closed curve's single piece must not collapse.
        if (a1 - a0 >= kTwoPi - angTol) p.endAngle = p.startAngle + kTwoPi;
        pieces.push_back(p);
    };
    if (arc.circle) {
        const std::vector<double> cuts = periodicParams(params, 0.0, kTwoPi, angTol);
        if (cuts.empty()) return {arc};
        for (size_t i = 0; i + 1 < cuts.size(); ++i) piece(cuts[i], cuts[i + 1]);
        piece(cuts.back(), cuts.front() + kTwoPi);
        return pieces;
    }
    const std::vector<double> cuts = interiorParams(params, arc.startAngle, arc.endAngle, angTol);
    if (cuts.empty()) return {arc};
    double from = arc.startAngle;
    for (double c : cuts) {
        piece(from, c);
        from = c;
    }
    piece(from, arc.endAngle);
    return pieces;
}

std::vector<Arc> splitAtPoints(const Arc& arc, const std::vector<ZcGePoint3d>& points, const ZcGeTol& tol)
{
    std::vector<double> params;
    for (const ZcGePoint3d& p : points)
        if (const auto a = paramAtPoint(arc, p, tol)) params.push_back(*a);
    return splitAtParams(arc, params, tol);
}

Box extents(const Arc& arc)
{
    // Along each world axis the arc is c + r·A·cos(θ - φ): extremes at φ and φ + π.
    Box box;
    box.add(arc.at(arc.startAngle));
    box.add(arc.at(arc.endAngle));
    const ZcGeVector3d x = arc.xAxis();
    const ZcGeVector3d y = arc.normal.crossProduct(x);
    for (unsigned int k = 0; k < 3; ++k) {
        const double amplitude = std::hypot(x[k], y[k]);
        if (amplitude == 0.0) continue;
        const double phi = std::atan2(y[k], x[k]);
        for (double extreme : {phi, phi + std::numbers::pi}) {
            if (!angleInRange(arc, extreme, 0.0)) continue;
            ZcGePoint3d p = arc.center;
            p[k] += arc.radius * amplitude * (extreme == phi ? 1.0 : -1.0);
            box.add(p);
        }
    }
    return box;
}

std::optional<Arc> transformed(const Arc& arc, const ZcGeMatrix3d& m)
{
    if (!m.isUniScaledOrtho()) return std::nullopt;
    const ZcGeVector3d normal = (m * arc.normal).normal();
    const ZcGePoint3d center = m * arc.center;
    const double radius = arc.radius * m.scale();
    if (arc.circle) return Arc::makeCircle(center, radius, normal);
    const bool mirrored = m.det() < 0.0;
    // A mirror reverses the sense of travel: the old end becomes the new start.
    const ZcGePoint3d start = m * arc.at(mirrored ? arc.endAngle : arc.startAngle);
    Arc out = Arc::makeArc(center, radius, normal, 0.0, 0.0);
    out.startAngle = out.angleOf(start);
    out.endAngle = out.startAngle + arc.sweep();  // a similarity keeps the sweep
    return out;
}

}  // namespace zrx::geom
