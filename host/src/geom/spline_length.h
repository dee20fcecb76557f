// Arc length along a spline, measured from its start parameter.
#pragma once

#include "geom/spline_nurbs.h"

namespace zrx::geom {

ZRX_API std::optional<double> length(const Nurbs& s);
// Fails outside the parameter range.
ZRX_API std::optional<double> distAtParam(const Nurbs& s, double param);
// Fails for a negative distance or one beyond the length (beyond by more than
// tol.equalPoint() scaled to the model).
ZRX_API std::optional<double> paramAtDist(const Nurbs& s, double dist, const ZcGeTol& tol = ZcGeContext::gTol);

}  // namespace zrx::geom
