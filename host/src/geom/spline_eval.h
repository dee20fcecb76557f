// Evaluating a spline: points, derivatives and ends. Parameters are the knot values, as the
// platform reports them for splines. Every query fails (std::nullopt) on invalid data, and
// a parameter query also outside the range; the range is widened by a hair (paramTolerance)
// so that an end parameter recomputed by arithmetic still counts.
#pragma once

#include "geom/spline_nurbs.h"

namespace zrx::geom {

ZRX_API double paramTolerance(const Nurbs& s);

ZRX_API std::optional<ZcGePoint3d> startPoint(const Nurbs& s);
ZRX_API std::optional<ZcGePoint3d> endPoint(const Nurbs& s);
ZRX_API std::optional<ZcGePoint3d> pointAtParam(const Nurbs& s, double param);
ZRX_API std::optional<ZcGeVector3d> firstDeriv(const Nurbs& s, double param);
ZRX_API std::optional<ZcGeVector3d> secondDeriv(const Nurbs& s, double param);

// Start and end meet, within tol scaled to the model.
ZRX_API bool isClosed(const Nurbs& s, const ZcGeTol& tol = ZcGeContext::gTol);

}  // namespace zrx::geom
