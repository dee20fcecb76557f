// Lengths by the library's adaptive integration, and their inverse.
#include "geom/spline_length.h"

#include "geom/spline_eval.h"
#include "geom/spline_occt.h"

#include <GCPnts_AbscissaPoint.hxx>
#include <GeomAdaptor_Curve.hxx>

#include <algorithm>
#include <cmath>

namespace zrx::geom {

namespace {

// Far below anything a drawing shows, and still cheap to integrate to.
double lengthTolerance(const Nurbs& s) { return 1e-12 * modelScale(s); }

std::optional<double> lengthBetween(const Nurbs& s, double from, double to)
{
    const Handle(Geom_BSplineCurve) curve = occt::toCurve(s);
    if (curve.IsNull()) return std::nullopt;
    return occt::guarded([&]() -> std::optional<double> {
        if (to <= from) return 0.0;
        GeomAdaptor_Curve adaptor(curve);
        return GCPnts_AbscissaPoint::Length(adaptor, from, to, lengthTolerance(s));
    });
}

}  // namespace

std::optional<double> length(const Nurbs& s)
{
    if (!isValid(s)) return std::nullopt;
    return lengthBetween(s, s.startParam(), s.endParam());
}

std::optional<double> distAtParam(const Nurbs& s, double param)
{
    if (!isValid(s) || !std::isfinite(param)) return std::nullopt;
    const double ptol = paramTolerance(s);
    if (param < s.startParam() - ptol || param > s.endParam() + ptol) return std::nullopt;
    return lengthBetween(s, s.startParam(), std::clamp(param, s.startParam(), s.endParam()));
}

std::optional<double> paramAtDist(const Nurbs& s, double dist, const ZcGeTol& tol)
{
    const auto total = length(s);
    if (!total || !std::isfinite(dist)) return std::nullopt;
    const double eps = tol.equalPoint() * modelScale(s);
    if (dist < -eps || dist > *total + eps) return std::nullopt;
    if (dist <= 0.0) return s.startParam();
    if (dist >= *total) return s.endParam();
    const Handle(Geom_BSplineCurve) curve = occt::toCurve(s);
    return occt::guarded([&]() -> std::optional<double> {
        GeomAdaptor_Curve adaptor(curve);
        // The tolerance here is on the parameter.
        GCPnts_AbscissaPoint finder(1e-12 * (s.endParam() - s.startParam()), adaptor, dist, s.startParam());
        if (!finder.IsDone()) return std::nullopt;
        return std::clamp(finder.Parameter(), s.startParam(), s.endParam());
    });
}

}  // namespace zrx::geom
