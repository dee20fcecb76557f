// Where two curves meet, in 3D: curves in different planes meet only at points lying on
// both. The four extension modes are the platform's (ZcDb::Intersect), with the same values.
//
// Rules, as the platform answers them:
// - a tangency is one point, never a pair of near-duplicates;
// - parallel lines do not meet;
// - overlapping stretches (collinear lines, arcs on one circle) yield no points, because an
//   overlap has no single point to report; other pieces of a polyline that meet the other
//   curve outside the overlap still report their points;
// - points closer than ZcGeContext::gTol.equalPoint() are one point;
// - results are ordered by the first curve's parameter (its extension included).
#pragma once

#include "geom/curve.h"

namespace zrx::geom {

enum class Extend { None = 0, This = 1, Arg = 2, Both = 3 };

ZRX_API std::vector<ZcGePoint3d> intersectWith(const Curve& first, const Curve& second, Extend mode,
                                               const ZcGeTol& tol = ZcGeContext::gTol);

}  // namespace zrx::geom
