// Converting splines to and from Open CASCADE's B-spline curves.
#include "geom/spline_occt.h"

#include <TColStd_Array1OfInteger.hxx>
#include <TColStd_Array1OfReal.hxx>
#include <TColgp_Array1OfPnt.hxx>
#include <TColgp_Array1OfPnt2d.hxx>

#include <cmath>

namespace zrx::geom::occt {

namespace {

struct GroupedKnots {
    std::vector<double> values;
    std::vector<int> mults;
};

// Knots that differ by rounding only are one knot to the library, which refuses
// near-equal neighbours.
GroupedKnots group(const std::vector<double>& flat)
{
    const double eps = 1e-12 * std::max({1.0, std::fabs(flat.front()), std::fabs(flat.back())});
    GroupedKnots g;
    for (double k : flat) {
        if (!g.values.empty() && k - g.values.back() <= eps) {
            ++g.mults.back();
            continue;
        }
        g.values.push_back(k);
        g.mults.push_back(1);
    }
    return g;
}

}  // namespace

Handle(Geom_BSplineCurve) toCurve(const Nurbs& s)
{
    if (!isValid(s)) return {};
    const GroupedKnots g = group(s.knots);
    const int n = static_cast<int>(s.controlPoints.size());
    const int k = static_cast<int>(g.values.size());
    TColgp_Array1OfPnt poles(1, n);
    for (int i = 0; i < n; ++i) poles(i + 1) = toGp(s.controlPoints[static_cast<size_t>(i)]);
    TColStd_Array1OfReal knots(1, k);
    TColStd_Array1OfInteger mults(1, k);
    for (int i = 0; i < k; ++i) {
        knots(i + 1) = g.values[static_cast<size_t>(i)];
        mults(i + 1) = g.mults[static_cast<size_t>(i)];
    }
    return guarded([&]() -> Handle(Geom_BSplineCurve) {
        if (!s.weights.empty()) {
            TColStd_Array1OfReal weights(1, n);
            for (int i = 0; i < n; ++i) weights(i + 1) = s.weights[static_cast<size_t>(i)];
            return new Geom_BSplineCurve(poles, weights, knots, mults, s.degree, false);
        }
        return new Geom_BSplineCurve(poles, knots, mults, s.degree, false);
    });
}

Nurbs fromCurve(const Handle(Geom_BSplineCurve)& curve, const ZcGeTol& tol)
{
    Handle(Geom_BSplineCurve) flat = curve;
    if (curve->IsPeriodic()) {
        // The library's own unwrapping gives exactly the form the file stores.
        flat = Handle(Geom_BSplineCurve)::DownCast(curve->Copy());
        flat->SetNotPeriodic();
    }
    Nurbs s;
    s.degree = flat->Degree();
    s.periodic = curve->IsPeriodic();
    s.rational = flat->IsRational();
    for (int i = 1; i <= flat->NbPoles(); ++i) {
        s.controlPoints.push_back(fromGp(flat->Pole(i)));
        if (s.rational) s.weights.push_back(flat->Weight(i));
    }
    const TColStd_Array1OfReal& seq = flat->KnotSequence();
    for (int i = seq.Lower(); i <= seq.Upper(); ++i) s.knots.push_back(seq(i));
    refreshShapeFlags(s, tol);
    return s;
}

Handle(Geom2d_BSplineCurve) toCurve2d(const Handle(Geom_BSplineCurve)& curve, const ZcGePlane& plane)
{
    const int n = curve->NbPoles();
    TColgp_Array1OfPnt2d poles(1, n);
    for (int i = 1; i <= n; ++i) {
        const ZcGePoint2d uv = plane.paramOf(fromGp(curve->Pole(i)));
        poles(i) = gp_Pnt2d(uv.x, uv.y);
    }
    TColStd_Array1OfReal knots(1, curve->NbKnots());
    TColStd_Array1OfInteger mults(1, curve->NbKnots());
    curve->Knots(knots);
    curve->Multiplicities(mults);
    return guarded([&]() -> Handle(Geom2d_BSplineCurve) {
        if (curve->IsRational()) {
            TColStd_Array1OfReal weights(1, n);
            curve->Weights(weights);
            return new Geom2d_BSplineCurve(poles, weights, knots, mults, curve->Degree(), false);
        }
        return new Geom2d_BSplineCurve(poles, knots, mults, curve->Degree(), false);
    });
}

}  // namespace zrx::geom::occt
