// Point and derivative evaluation through the library's B-spline curve.
#include "geom/spline_eval.h"

#include "geom/spline_occt.h"

#include <algorithm>
#include <cmath>

namespace zrx::geom {

namespace {

struct Derivs {
    ZcGePoint3d point;
    ZcGeVector3d d1;
    ZcGeVector3d d2;
};

std::optional<Derivs> evaluate(const Nurbs& s, double param)
{
    if (!isValid(s) || !std::isfinite(param)) return std::nullopt;
    const double tol = paramTolerance(s);
    if (param < s.startParam() - tol || param > s.endParam() + tol) return std::nullopt;
    const Handle(Geom_BSplineCurve) curve = occt::toCurve(s);
    if (curve.IsNull()) return std::nullopt;
    return occt::guarded([&]() -> std::optional<Derivs> {
        gp_Pnt p;
        gp_Vec v1, v2;
        curve->D2(std::clamp(param, s.startParam(), s.endParam()), p, v1, v2);
        return Derivs{occt::fromGp(p), occt::fromGp(v1), occt::fromGp(v2)};
    });
}

}  // namespace

double paramTolerance(const Nurbs& s)
{
    // Relative to the knot range: knot values have no unit of their own.
    return isValid(s) ? 1e-9 * std::max(1.0, s.endParam() - s.startParam()) : 0.0;
}

std::optional<ZcGePoint3d> startPoint(const Nurbs& s)
{
    if (!isValid(s)) return std::nullopt;
    return pointAtParam(s, s.startParam());
}

std::optional<ZcGePoint3d> endPoint(const Nurbs& s)
{
    if (!isValid(s)) return std::nullopt;
    return pointAtParam(s, s.endParam());
}

std::optional<ZcGePoint3d> pointAtParam(const Nurbs& s, double param)
{
    const auto d = evaluate(s, param);
    if (!d) return std::nullopt;
    return d->point;
}

std::optional<ZcGeVector3d> firstDeriv(const Nurbs& s, double param)
{
    const auto d = evaluate(s, param);
    if (!d) return std::nullopt;
    return d->d1;
}

std::optional<ZcGeVector3d> secondDeriv(const Nurbs& s, double param)
{
    const auto d = evaluate(s, param);
    if (!d) return std::nullopt;
    return d->d2;
}

bool isClosed(const Nurbs& s, const ZcGeTol& tol)
{
    const auto start = startPoint(s);
    const auto end = endPoint(s);
    return start && end && start->distanceTo(*end) <= tol.equalPoint() * modelScale(s);
}

}  // namespace zrx::geom
