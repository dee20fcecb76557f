// Extents by the library's optimising box builder, which solves for each coordinate's
// extremes along the curve.
#include "geom/spline_extents.h"

#include "geom/spline_occt.h"

#include <BndLib_Add3dCurve.hxx>
#include <Bnd_Box.hxx>
#include <GeomAdaptor_Curve.hxx>

namespace zrx::geom {

std::optional<Box> extents(const Nurbs& s)
{
    const Handle(Geom_BSplineCurve) curve = occt::toCurve(s);
    if (curve.IsNull()) return std::nullopt;
    return occt::guarded([&]() -> std::optional<Box> {
        Bnd_Box bnd;
        BndLib_Add3dCurve::AddOptimal(GeomAdaptor_Curve(curve), s.startParam(), s.endParam(), 0.0, bnd);
        // The builder pads by its own precision; the box we want is the bare one.
        bnd.SetGap(0.0);
        if (bnd.IsVoid()) return std::nullopt;
        double x0, y0, z0, x1, y1, z1;
        bnd.Get(x0, y0, z0, x1, y1, z1);
        Box box;
        box.add({x0, y0, z0});
        box.add({x1, y1, z1});
        // The ends are exact; the solved extremes can fall short of them by rounding.
        box.add(occt::fromGp(curve->Value(s.startParam())));
        box.add(occt::fromGp(curve->Value(s.endParam())));
        return box;
    });
}

}  // namespace zrx::geom
