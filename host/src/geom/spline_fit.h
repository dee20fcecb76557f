// Fitting a spline through points, as the platform's fit-point splines are made: always
// degree 3 (order 4), parameterised by chord length.
//
// - Tolerance 0 interpolates: the curve passes through every point.
// - A positive tolerance approximates: the curve keeps within the tolerance of every point
//   and passes through both ends. End tangents and closing need the exact fit, so with
//   either of them, or when no approximation keeps within the tolerance, the points are
//   interpolated instead (which keeps within any tolerance).
// - End tangents give the direction only; either may be given alone. A closed fit ignores
//   them: its seam, at the first point, is smooth (tangent-continuous) by construction.
// - A closed fit comes out periodic. The last point may repeat the first or not.
//
// Points that repeat their predecessor are skipped by the fitter; the result keeps the
// points, tolerance and tangents exactly as given, for the file to write back.
#pragma once

#include "geom/spline_nurbs.h"

namespace zrx::geom {

struct FitOptions {
    double tolerance = 0.0;
    std::optional<ZcGeVector3d> startTangent;
    std::optional<ZcGeVector3d> endTangent;
    bool closed = false;
};

// Fails for fewer than two distinct points (three when closed).
ZRX_API std::optional<Nurbs> fitThrough(const std::vector<ZcGePoint3d>& points, const FitOptions& options = {},
                                        const ZcGeTol& tol = ZcGeContext::gTol);

}  // namespace zrx::geom
