// Closest points by the library's point projection, with the ends checked by hand: the
// projection reports only feet of perpendiculars, and an end is often nearer than any.
#include "geom/spline_project.h"

#include "geom/spline_eval.h"
#include "geom/spline_occt.h"

#include <GeomAPI_ProjectPointOnCurve.hxx>

#include <algorithm>

namespace zrx::geom {

std::optional<SplineFoot> closestFoot(const Nurbs& s, const ZcGePoint3d& point)
{
    const Handle(Geom_BSplineCurve) curve = occt::toCurve(s);
    if (curve.IsNull()) return std::nullopt;
    return occt::guarded([&]() -> std::optional<SplineFoot> {
        const double u0 = s.startParam(), u1 = s.endParam();
        SplineFoot best{occt::fromGp(curve->Value(u0)), u0};
        const ZcGePoint3d end = occt::fromGp(curve->Value(u1));
        if (end.distanceTo(point) < best.point.distanceTo(point)) best = {end, u1};
        GeomAPI_ProjectPointOnCurve proj(occt::toGp(point), curve, u0, u1);
        for (int i = 1; i <= proj.NbPoints(); ++i) {
            const ZcGePoint3d foot = occt::fromGp(proj.Point(i));
            if (foot.distanceTo(point) < best.point.distanceTo(point)) best = {foot, std::clamp(proj.Parameter(i), u0, u1)};
        }
        return best;
    });
}

std::optional<ZcGePoint3d> closestPointTo(const Nurbs& s, const ZcGePoint3d& point, bool extend)
{
    const auto foot = closestFoot(s, point);
    if (!foot) return std::nullopt;
    ZcGePoint3d best = foot->point;
    if (!extend || isClosed(s)) return best;
    // Rays out of each end, pointing away from the curve.
    const std::pair<double, double> ends[] = {{s.startParam(), -1.0}, {s.endParam(), 1.0}};
    for (const auto& [param, sense] : ends) {
        const auto base = pointAtParam(s, param);
        const auto d = firstDeriv(s, param);
        if (!base || !d || d->isZeroLength()) continue;
        const ZcGeVector3d dir = d->normal() * sense;
        const double t = (point - *base).dotProduct(dir);
        if (t <= 0.0) continue;
        const ZcGePoint3d onRay = *base + dir * t;
        if (onRay.distanceTo(point) < best.distanceTo(point)) best = onRay;
    }
    return best;
}

double onCurveTolerance(const Nurbs& s, const ZcGeTol& tol) { return std::max(tol.equalPoint(), 1e-6 * modelScale(s)); }

std::optional<double> paramAtPoint(const Nurbs& s, const ZcGePoint3d& point, const ZcGeTol& tol)
{
    const auto foot = closestFoot(s, point);
    if (!foot || foot->point.distanceTo(point) > onCurveTolerance(s, tol)) return std::nullopt;
    if (foot->param >= s.endParam() - paramTolerance(s) && isClosed(s, tol)) return s.startParam();
    return foot->param;
}

}  // namespace zrx::geom
