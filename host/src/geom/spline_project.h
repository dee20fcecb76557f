// Projecting points onto a spline.
#pragma once

#include "geom/spline_nurbs.h"

namespace zrx::geom {

// The spline's own closest point and its parameter (no extension).
struct ZRX_API SplineFoot {
    ZcGePoint3d point;
    double param = 0.0;
};
ZRX_API std::optional<SplineFoot> closestFoot(const Nurbs& s, const ZcGePoint3d& point);

// With extend, an open spline continues from each end along its end tangent as a ray, the
// way the platform extends a spline that has nothing else to go on; a closed spline has
// nothing to extend.
ZRX_API std::optional<ZcGePoint3d> closestPointTo(const Nurbs& s, const ZcGePoint3d& point, bool extend);

// How far a point may lie from the spline and still count as on it: 1e-6 of the model
// scale (see modelScale), never less than tol.equalPoint(). Points the platform hands back
// from its own computations (intersections, snaps) land well within this; a point picked
// beside the curve does not.
ZRX_API double onCurveTolerance(const Nurbs& s, const ZcGeTol& tol = ZcGeContext::gTol);

// Fails when the point is not on the spline within onCurveTolerance. On a closed spline the
// seam answers the start parameter.
ZRX_API std::optional<double> paramAtPoint(const Nurbs& s, const ZcGePoint3d& point,
                                           const ZcGeTol& tol = ZcGeContext::gTol);

}  // namespace zrx::geom
