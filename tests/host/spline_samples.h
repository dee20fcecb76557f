// Splines the spline tests share, chosen so that answers are known exactly: symmetry puts
// crossings, tangents and closest points where the fit points are.
#pragma once

#include "geom/spline_fit.h"

#include <gtest/gtest.h>

namespace spline_samples {

// Point-symmetric about (2, 0): crosses the X axis at x = 0, 2 and 4 only.
inline zrx::geom::Nurbs sCurve(double sign = 1.0)
{
    return *zrx::geom::fitThrough({{0, 0, 0}, {1, sign, 0}, {2, 0, 0}, {3, -sign, 0}, {4, 0, 0}});
}

// Mirror-symmetric about the Y axis: touches the X axis at the origin with a level tangent.
inline zrx::geom::Nurbs uCurve()
{
    return *zrx::geom::fitThrough({{-2, 2, 0}, {-1, 0.5, 0}, {0, 0, 0}, {1, 0.5, 0}, {2, 2, 0}});
}

// Short arch from (0, 1) to (2, 1) whose end tangents, extended, reach the X axis at
// (-1, 0) backwards and (3, 0) forwards.
inline zrx::geom::Nurbs arch()
{
    zrx::geom::FitOptions options;
    options.startTangent = ZcGeVector3d(1, 1, 0);
    options.endTangent = ZcGeVector3d(1, -1, 0);
    return *zrx::geom::fitThrough({{0, 1, 0}, {1, 1.5, 0}, {2, 1, 0}}, options);
}

}  // namespace spline_samples
