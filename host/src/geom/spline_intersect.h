// Where a spline meets another spline or a closed-form curve, with the platform's four
// extension modes (Extend, as in geom/intersect.h: This extends the first curve, Arg the
// second). The rules are the closed-form kernel's:
// - an extended open spline continues from each end along its end tangent as a ray; a
//   closed spline has nothing to extend; an extended line, arc or polyline is the kernel's
//   own extended form (infinite line, whole circle, end pieces carried on);
// - curves in different planes meet only at points lying on both;
// - a tangent contact is one point; an overlapping stretch gives no point;
// - results are ordered along the first curve (its extension included).
//
// Tolerances. A point counts as on both curves within 1e-9 of the model scale (see
// modelScale; never less than tol.equalPoint()), and two results closer than 1e-7 of it
// are one point: ZcGeContext's default of 1e-10 is below what an iterative intersection
// can promise for a drawing of ordinary size, and rounding errors grow with it. A common
// stretch shorter than a hundredth of the smaller curve's size is a tangency.
#pragma once

#include "geom/intersect.h"
#include "geom/spline_nurbs.h"

namespace zrx::geom {

// All three fail (empty) on invalid spline data.
ZRX_API std::vector<ZcGePoint3d> intersectWith(const Nurbs& first, const Nurbs& second, Extend mode,
                                               const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::vector<ZcGePoint3d> intersectWith(const Nurbs& first, const Curve& second, Extend mode,
                                               const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::vector<ZcGePoint3d> intersectWith(const Curve& first, const Nurbs& second, Extend mode,
                                               const ZcGeTol& tol = ZcGeContext::gTol);

}  // namespace zrx::geom
