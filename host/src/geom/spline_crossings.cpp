// Meeting points of a spline with a span or another spline, by plane-aware routes.
#include "geom/spline_crossings.h"

#include "geom/spline_eval.h"
#include "geom/spline_project.h"

#include <Geom2dAPI_InterCurveCurve.hxx>
#include <Geom2d_Circle.hxx>
#include <Geom2d_Line.hxx>
#include <Geom2d_TrimmedCurve.hxx>
#include <GeomAPI_ExtremaCurveCurve.hxx>
#include <Geom_Circle.hxx>
#include <Geom_Line.hxx>
#include <IntRes2d_IntersectionPoint.hxx>
#include <IntRes2d_IntersectionSegment.hxx>
#include <gp_Ax2.hxx>
#include <gp_Ax2d.hxx>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace zrx::geom::crossing {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

double clamped(const Body& b, double u) { return std::clamp(u, b.data->startParam(), b.data->endParam()); }
ZcGePoint3d at(const Body& b, double u) { return occt::fromGp(b.curve->Value(clamped(b, u))); }
ZcGeVector3d tangentAt(const Body& b, double u) { return occt::fromGp(b.curve->DN(clamped(b, u), 1)); }

gp_Pnt2d flat(const ZcGePlane& plane, const ZcGePoint3d& p)
{
    const ZcGePoint2d uv = plane.paramOf(p);
    return {uv.x, uv.y};
}

ZcGeTol pointTol(const Tolerances& tol)
{
    ZcGeTol t = ZcGeContext::gTol;
    t.setEqualPoint(tol.onBoth);
    return t;
}

// Distance to the span's whole line or circle.
double gapToSpan(const Span& s, const ZcGePoint3d& p)
{
    if (!s.isArc) {
        const ZcGeVector3d v = p - s.base;
        return (v - s.dir * v.dotProduct(s.dir)).length();
    }
    const ZcGeVector3d v = p - s.center;
    const double h = v.dotProduct(s.normal);
    return std::hypot(h, (v - s.normal * h).length() - s.radius);
}

ZcGeVector3d spanTangentAt(const Span& s, const ZcGePoint3d& p)
{
    return s.isArc ? s.normal.crossProduct(p - s.center) : s.dir;
}

ContactTests baseTests(const Body& a)
{
    ContactTests t;
    t.pointAt = [&a](double u) { return at(a, u); };
    if (isClosed(*a.data)) {
        t.start = a.data->startParam();
        t.period = a.data->endParam() - a.data->startParam();
    }
    return t;
}

ContactTests spanTests(const Body& a, const Span& s, std::optional<ZcGeVector3d> planeNormal)
{
    ContactTests t = baseTests(a);
    t.gap = [&s](const ZcGePoint3d& p) { return gapToSpan(s, p); };
    if (planeNormal)
        t.side = [&a, &s, n = *planeNormal](double u) {
            return tangentAt(a, u).crossProduct(spanTangentAt(s, at(a, u))).dotProduct(n);
        };
    return t;
}

ContactTests splineTests(const Body& a, const Body& b, std::optional<ZcGeVector3d> planeNormal)
{
    ContactTests t = baseTests(a);
    t.gap = [&b](const ZcGePoint3d& p) {
        const auto foot = closestFoot(*b.data, p);
        return foot ? foot->point.distanceTo(p) : kInf;
    };
    if (planeNormal)
        t.side = [&a, &b, n = *planeNormal](double u) {
            const auto foot = closestFoot(*b.data, at(a, u));
            return foot ? tangentAt(a, u).crossProduct(tangentAt(b, foot->param)).dotProduct(n) : 0.0;
        };
    return t;
}

// The stretch of a straight span that can reach anything inside the box: only there can it
// meet the spline, and the library wants bounded lines.
std::optional<std::pair<double, double>> reach(const Span& s, const Box& box, double margin)
{
    double lo = kInf, hi = -kInf;
    for (int corner = 0; corner < 8; ++corner) {
        const ZcGePoint3d c((corner & 1) ? box.max.x : box.min.x, (corner & 2) ? box.max.y : box.min.y,
                            (corner & 4) ? box.max.z : box.min.z);
        const double t = (c - s.base).dotProduct(s.dir);
        lo = std::min(lo, t);
        hi = std::max(hi, t);
    }
    lo = std::max(lo - margin, s.t0);
    hi = std::min(hi + margin, s.t1);
    if (lo > hi) return std::nullopt;
    return std::pair(lo, hi);
}

// What the planar intersector finds on the first curve: points, and the common stretches
// short enough to be tangencies.
std::vector<Find> planarFinds(const Handle(Geom2d_Curve)& c1, const Handle(Geom2d_Curve)& c2, const Tolerances& tol)
{
    Geom2dAPI_InterCurveCurve inter(c1, c2, tol.onBoth);
    const Geom2dInt_GInter& res = inter.Intersector();
    std::vector<Find> out;
    for (int i = 1; i <= res.NbPoints(); ++i) out.push_back({res.Point(i).ParamOnFirst(), res.Point(i).ParamOnFirst()});
    for (int i = 1; i <= res.NbSegments(); ++i) {
        const IntRes2d_IntersectionSegment& seg = res.Segment(i);
        if (!seg.HasFirstPoint() || !seg.HasLastPoint()) continue;
        const IntRes2d_IntersectionPoint& f = seg.FirstPoint();
        const IntRes2d_IntersectionPoint& l = seg.LastPoint();
        if (f.Value().Distance(l.Value()) > tol.stretch) continue;
        out.push_back({std::min(f.ParamOnFirst(), l.ParamOnFirst()), std::max(f.ParamOnFirst(), l.ParamOnFirst())});
    }
    return out;
}

std::vector<Find> touchingExtrema(const Body& a, const Handle(Geom_Curve)& other, double v0, double v1,
                                  const Tolerances& tol)
{
    GeomAPI_ExtremaCurveCurve ex(a.curve, other, a.data->startParam(), a.data->endParam(), v0, v1);
    if (ex.Extrema().IsParallel()) return {};
    std::vector<Find> out;
    for (int i = 1; i <= ex.NbExtrema(); ++i) {
        if (ex.Distance(i) > tol.onBoth) continue;
        double u = 0.0, v = 0.0;
        ex.Parameters(i, u, v);
        out.push_back({u, u});
    }
    return out;
}

std::vector<Crossing> onSpan(const Body& a, const Span& s, const std::vector<double>& params, const Tolerances& tol)
{
    std::vector<Crossing> out;
    for (double u : params) {
        const ZcGePoint3d p = at(a, u);
        if (const auto local = s.localParam(p, pointTol(tol))) out.push_back({p, u, *local});
    }
    return out;
}

// Points known to lie on the span's line or circle, kept where they lie on the spline too.
std::vector<Crossing> checkedOnSpline(const Body& a, const Span& s, const std::vector<ZcGePoint3d>& points,
                                      const Tolerances& tol)
{
    std::vector<Crossing> out;
    for (const ZcGePoint3d& p : points) {
        const auto local = s.localParam(p, pointTol(tol));
        const auto foot = local ? closestFoot(*a.data, p) : std::nullopt;
        if (foot && foot->point.distanceTo(p) <= tol.onBoth) out.push_back({foot->point, foot->param, *local});
    }
    return out;
}

std::vector<Crossing> spanInPlane(const Body& a, const Span& s, double lo, double hi, const Tolerances& tol)
{
    Handle(Geom2d_Curve) other;
    if (s.isArc) {
        other = new Geom2d_Circle(gp_Ax2d(flat(*a.plane, s.center), gp_Dir2d(1, 0)), s.radius);
    } else {
        const gp_Pnt2d p0 = flat(*a.plane, s.base + s.dir * lo);
        const gp_Pnt2d p1 = flat(*a.plane, s.base + s.dir * hi);
        const double len = p0.Distance(p1);
        if (len <= 0.0) return {};
        other = new Geom2d_TrimmedCurve(new Geom2d_Line(p0, gp_Dir2d(gp_Vec2d(p0, p1))), 0.0, len);
    }
    const auto params = contacts(planarFinds(a.inPlane, other, tol), spanTests(a, s, a.plane->normal()), tol);
    return onSpan(a, s, params, tol);
}

std::vector<Crossing> straightThroughPlane(const Body& a, const Span& s, double lo, double hi, const Tolerances& tol)
{
    const ZcGeVector3d n = a.plane->normal();
    const double dn = s.dir.dotProduct(n);
    if (dn == 0.0) return {};
    const double t = (a.plane->pointOnPlane() - s.base).dotProduct(n) / dn;
    if (t < lo || t > hi) return {};
    return checkedOnSpline(a, s, {s.base + s.dir * t}, tol);
}

std::vector<Crossing> circleThroughPlane(const Body& a, const Span& s, const Tolerances& tol)
{
    ZcGePoint3d base;
    ZcGeVector3d dir;
    if (!a.plane->intersectWith(ZcGePlane(s.center, s.normal), base, dir)) return {};
    // The circle meets the spline's plane where it meets the planes' common line.
    const ZcGePoint3d foot = base + dir * (s.center - base).dotProduct(dir);
    const double h = foot.distanceTo(s.center);
    if (std::fabs(h - s.radius) <= tol.onBoth) return checkedOnSpline(a, s, {foot}, tol);
    if (h > s.radius) return {};
    const double half = std::sqrt(s.radius * s.radius - h * h);
    return checkedOnSpline(a, s, {foot - dir * half, foot + dir * half}, tol);
}

std::vector<Crossing> spanInSpace(const Body& a, const Span& s, std::optional<std::pair<double, double>> range,
                                  const Tolerances& tol)
{
    Handle(Geom_Curve) other;
    double v0 = 0.0, v1 = 2.0 * std::numbers::pi;
    if (s.isArc) {
        const gp_Ax2 frame(occt::toGp(s.center), gp_Dir(occt::toGp(s.normal)), gp_Dir(occt::toGp(s.xAxis)));
        other = new Geom_Circle(frame, s.radius);
    } else {
        other = new Geom_Line(occt::toGp(s.base), gp_Dir(occt::toGp(s.dir)));
        std::tie(v0, v1) = *range;
    }
    const auto params = contacts(touchingExtrema(a, other, v0, v1, tol), spanTests(a, s, std::nullopt), tol);
    return onSpan(a, s, params, tol);
}

std::optional<ZcGePlane> sharedPlane(const Body& a, const Body& b, double eps)
{
    auto holds = [eps](const ZcGePlane& plane, const Nurbs& s) {
        return std::all_of(s.controlPoints.begin(), s.controlPoints.end(),
                           [&](const ZcGePoint3d& p) { return plane.distanceTo(p) <= eps; });
    };
    if (a.plane && holds(*a.plane, *b.data)) return a.plane;
    if (b.plane && holds(*b.plane, *a.data)) return b.plane;
    return std::nullopt;
}

std::vector<Crossing> onSpline(const Body& a, const Body& b, const std::vector<double>& params)
{
    std::vector<Crossing> out;
    for (double u : params) {
        const ZcGePoint3d p = at(a, u);
        if (const auto foot = closestFoot(*b.data, p)) out.push_back({p, u, foot->param});
    }
    return out;
}

}  // namespace

std::optional<Body> prepare(const Nurbs& s, const ZcGeTol& tol)
{
    Body b;
    b.data = &s;
    b.curve = occt::toCurve(s);
    if (b.curve.IsNull()) return std::nullopt;
    b.plane = planeOf(s, tol);
    if (b.plane) {
        b.inPlane = occt::toCurve2d(b.curve, *b.plane);
        if (b.inPlane.IsNull()) return std::nullopt;
    }
    b.box = controlBox(s);
    return b;
}

std::vector<Crossing> crossings(const Body& a, const Span& s, const Tolerances& tol)
{
    std::optional<std::pair<double, double>> range;
    if (!s.isArc) {
        range = reach(s, a.box, tol.onBoth);
        if (!range) return {};
    }
    if (!a.plane) return spanInSpace(a, s, range, tol);
    const ZcGePlane& plane = *a.plane;
    if (!s.isArc) {
        const auto [lo, hi] = *range;
        // In the plane over the spline's whole size, not just over the reach: a line
        // standing on the plane has a reach of next to nothing.
        const double across = std::max(hi - lo, a.box.min.distanceTo(a.box.max));
        const bool inPlane = plane.distanceTo(s.base + s.dir * lo) <= tol.onBoth &&
                             std::fabs(s.dir.dotProduct(plane.normal())) * across <= tol.onBoth;
        return inPlane ? spanInPlane(a, s, lo, hi, tol) : straightThroughPlane(a, s, lo, hi, tol);
    }
    const bool inPlane = plane.distanceTo(s.center) <= tol.onBoth &&
                         s.radius * s.normal.crossProduct(plane.normal()).length() <= tol.onBoth;
    return inPlane ? spanInPlane(a, s, 0.0, 0.0, tol) : circleThroughPlane(a, s, tol);
}

std::vector<Crossing> crossings(const Body& a, const Body& b, const Tolerances& tol)
{
    if (const auto plane = sharedPlane(a, b, tol.onBoth)) {
        const Handle(Geom2d_BSplineCurve) a2 = occt::toCurve2d(a.curve, *plane);
        const Handle(Geom2d_BSplineCurve) b2 = occt::toCurve2d(b.curve, *plane);
        if (a2.IsNull() || b2.IsNull()) return {};
        return onSpline(a, b, contacts(planarFinds(a2, b2, tol), splineTests(a, b, plane->normal()), tol));
    }
    if (a.plane && b.plane) {
        // Two planes: the curves can meet only on the planes' common line.
        Span line;
        if (!a.plane->intersectWith(*b.plane, line.base, line.dir)) return {};
        line.t0 = -kInf;
        line.t1 = kInf;
        std::vector<double> common;
        const std::vector<Crossing> onB = crossings(b, line, tol);
        for (const Crossing& ca : crossings(a, line, tol)) {
            const bool shared = std::any_of(onB.begin(), onB.end(), [&](const Crossing& cb) {
                return cb.point.distanceTo(ca.point) <= tol.onBoth;
            });
            if (shared) common.push_back(ca.onFirst);
        }
        return onSpline(a, b, common);
    }
    const auto finds = touchingExtrema(a, b.curve, b.data->startParam(), b.data->endParam(), tol);
    return onSpline(a, b, contacts(finds, splineTests(a, b, std::nullopt), tol));
}

}  // namespace zrx::geom::crossing
