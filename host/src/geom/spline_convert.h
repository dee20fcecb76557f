// The spline a closed-form curve is: exact, for the entity's conversions to splines.
// Straight stretches become degree-1 pieces and circular ones rational quadratic pieces of
// at most a quarter turn; the knots are the length travelled, starting at 0.
#pragma once

#include "geom/arc.h"
#include "geom/polyline.h"
#include "geom/spline_nurbs.h"

namespace zrx::geom {

// An arc's spline runs from its start angle to its end angle; a circle's is closed and
// starts at angle 0. Fails for a radius of 0.
ZRX_API std::optional<Nurbs> nurbsFromArc(const Arc& arc, const ZcGeTol& tol = ZcGeContext::gTol);

// A path with only straight pieces gives a degree-1 spline through its vertices; with arc
// pieces, a degree-2 spline, the straight pieces raised to match. Pieces of zero length
// are dropped. Fails for a path with no length.
ZRX_API std::optional<Nurbs> nurbsFromPolyline(const Polyline& pl, const ZcGeTol& tol = ZcGeContext::gTol);

}  // namespace zrx::geom
