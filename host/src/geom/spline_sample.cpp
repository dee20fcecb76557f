// Sampling by the library's tangential deflection, which spends points where the curve bends.
#include "geom/spline_sample.h"

#include "geom/spline_occt.h"

#include <GCPnts_TangentialDeflection.hxx>
#include <GeomAdaptor_Curve.hxx>

#include <algorithm>
#include <numbers>

namespace zrx::geom {

std::vector<ZcGePoint3d> sample(const Nurbs& s, double chordTolerance)
{
    const Handle(Geom_BSplineCurve) curve = occt::toCurve(s);
    if (curve.IsNull()) return {};
    const double chord = std::max(chordTolerance, 1e-6 * modelScale(s));
    constexpr double kAngle = std::numbers::pi / 18.0;
    return occt::guarded([&]() -> std::vector<ZcGePoint3d> {
        GeomAdaptor_Curve adaptor(curve);
        GCPnts_TangentialDeflection points(adaptor, s.startParam(), s.endParam(), kAngle, chord, 2);
        std::vector<ZcGePoint3d> out;
        for (int i = 1; i <= points.NbPoints(); ++i) out.push_back(occt::fromGp(points.Value(i)));
        return out;
    });
}

}  // namespace zrx::geom
