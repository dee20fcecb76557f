// Cutting a spline into pieces. Pieces keep the original's parameter values and carry
// control data only: fit data describes the whole curve, not a piece of it.
#pragma once

#include "geom/spline_nurbs.h"

namespace zrx::geom {

// Pieces in order along the spline. An open spline is cut at the parameters strictly
// inside its range. A closed spline is cut at every parameter (its start one too), the last
// piece running on over the seam to the first cut, so one cut gives one piece that starts
// and ends there; that piece is as smooth over the old seam as the spline was. No usable
// parameter: one piece, the spline itself. Empty on invalid data.
ZRX_API std::vector<Nurbs> splitAtParams(const Nurbs& s, const std::vector<double>& params,
                                         const ZcGeTol& tol = ZcGeContext::gTol);
// Points not on the spline (see paramAtPoint) are skipped.
ZRX_API std::vector<Nurbs> splitAtPoints(const Nurbs& s, const std::vector<ZcGePoint3d>& points,
                                         const ZcGeTol& tol = ZcGeContext::gTol);

}  // namespace zrx::geom
