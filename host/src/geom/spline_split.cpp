// Cutting splines with the library's segmentation; the piece over a closed spline's seam is
// two segments joined and then smoothed by knot removal.
#include "geom/spline_split.h"

#include "geom/spline_eval.h"
#include "geom/spline_occt.h"
#include "geom/spline_project.h"
#include "geom/split_params.h"

namespace zrx::geom {

namespace {

std::optional<Nurbs> segment(const Handle(Geom_BSplineCurve)& curve, double from, double to, const ZcGeTol& tol)
{
    Handle(Geom_BSplineCurve) piece = Handle(Geom_BSplineCurve)::DownCast(curve->Copy());
    piece->Segment(from, to);
    return occt::fromCurve(piece, tol);
}

// b after a, b's knots moved on to continue a's. Both come from segmentation, so both are
// clamped: a's last control point is b's first.
Nurbs joined(const Nurbs& a, const Nurbs& b)
{
    const size_t p = static_cast<size_t>(a.degree);
    Nurbs out;
    out.degree = a.degree;
    out.rational = a.rational || b.rational;
    out.controlPoints = a.controlPoints;
    out.controlPoints.insert(out.controlPoints.end(), b.controlPoints.begin() + 1, b.controlPoints.end());
    if (out.rational) {
        // Scaling all of b's weights alike leaves b as it was and makes the shared point agree.
        const double ratio = a.weight(a.controlPoints.size() - 1) / b.weight(0);
        for (size_t i = 0; i < a.controlPoints.size(); ++i) out.weights.push_back(a.weight(i));
        for (size_t i = 1; i < b.controlPoints.size(); ++i) out.weights.push_back(b.weight(i) * ratio);
    }
    const double shift = a.endParam() - b.startParam();
    out.knots.assign(a.knots.begin(), a.knots.end() - 1);
    for (size_t i = p + 1; i < b.knots.size(); ++i) out.knots.push_back(b.knots[i] + shift);
    return out;
}

// The junction knot of a join sits degree times; take it as low as the curve allows
// without moving, which restores the smoothness the seam had.
std::optional<Nurbs> smoothedAt(const Nurbs& s, double knot, const ZcGeTol& tol)
{
    const Handle(Geom_BSplineCurve) curve = occt::toCurve(s);
    if (curve.IsNull()) return std::nullopt;
    int index = 1;
    for (int i = 1; i <= curve->NbKnots(); ++i)
        if (std::fabs(curve->Knot(i) - knot) < std::fabs(curve->Knot(index) - knot)) index = i;
    const double keep = 1e-9 * modelScale(s);
    for (int m = 0; m < s.degree; ++m)
        if (curve->RemoveKnot(index, m, keep)) break;
    return occt::fromCurve(curve, tol);
}

std::vector<Nurbs> cut(const Nurbs& s, const std::vector<double>& params, const ZcGeTol& tol)
{
    const Handle(Geom_BSplineCurve) curve = occt::toCurve(s);
    if (curve.IsNull()) return {};
    const double u0 = s.startParam(), u1 = s.endParam(), ptol = paramTolerance(s);
    std::vector<double> bounds;
    bool wraps = false;
    if (isClosed(s, tol)) {
        bounds = periodicParams(params, u0, u1, ptol);
        if (bounds.empty()) return {s};
        wraps = bounds.front() > u0;
        if (!wraps) bounds.push_back(u1);
    } else {
        bounds = interiorParams(params, u0, u1, ptol);
        if (bounds.empty()) return {s};
        bounds.insert(bounds.begin(), u0);
        bounds.push_back(u1);
    }
    std::vector<Nurbs> pieces;
    for (size_t i = 0; i + 1 < bounds.size(); ++i) {
        auto piece = segment(curve, bounds[i], bounds[i + 1], tol);
        if (!piece) return {};
        pieces.push_back(std::move(*piece));
    }
    if (wraps) {
        const auto tail = segment(curve, bounds.back(), u1, tol);
        const auto head = segment(curve, u0, bounds.front(), tol);
        if (!tail || !head) return {};
        auto piece = smoothedAt(joined(*tail, *head), u1, tol);
        if (!piece) return {};
        pieces.push_back(std::move(*piece));
    }
    return pieces;
}

}  // namespace

std::vector<Nurbs> splitAtParams(const Nurbs& s, const std::vector<double>& params, const ZcGeTol& tol)
{
    if (!isValid(s)) return {};
    return occt::guarded([&] { return cut(s, params, tol); });
}

std::vector<Nurbs> splitAtPoints(const Nurbs& s, const std::vector<ZcGePoint3d>& points, const ZcGeTol& tol)
{
    std::vector<double> params;
    for (const ZcGePoint3d& p : points)
        if (const auto u = paramAtPoint(s, p, tol)) params.push_back(*u);
    return splitAtParams(s, params, tol);
}

}  // namespace zrx::geom
