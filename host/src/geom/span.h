// The elementary pieces intersections are computed on: a straight or circular stretch of
// a curve, possibly extended, that knows how to turn its own parameter back into the
// parameter of the curve it came from, so results can be ordered along that curve.
#pragma once

#include "geom/curve.h"

namespace zrx::geom {

struct Span {
    bool isArc = false;
    // Straight: base + dir·t, t within [t0, t1] (either may be infinite).
    ZcGePoint3d base;
    ZcGeVector3d dir;
    double t0 = 0.0;
    double t1 = 0.0;
    // Circular: centre, radius, plane frame; angles within [a0, a1], a1 - a0 at most 2π.
    ZcGePoint3d center;
    double radius = 0.0;
    ZcGeVector3d normal;
    ZcGeVector3d xAxis;
    ZcGeVector3d yAxis;
    double a0 = 0.0;
    double a1 = 0.0;
    // A full-circle window meets itself: the seam belongs to a1 rather than a0 when the
    // window was extended backwards from a1.
    bool seamAtEnd = false;
    // The owning curve's parameter is ownerBase + ownerScale·(local - localOrigin).
    double ownerBase = 0.0;
    double ownerScale = 1.0;
    double localOrigin = 0.0;

    // The span's own parameter (t or angle) of a point known to lie on its line or circle,
    // when it lies within the bounds up to tolerance.
    std::optional<double> localParam(const ZcGePoint3d& point, const ZcGeTol& tol) const;
    double ownerParam(double local) const { return ownerBase + ownerScale * (local - localOrigin); }
};

// Degenerate (zero-length) straight pieces are left out: their point is shared with a
// neighbour or lies on nothing with a direction.
std::vector<Span> spansOf(const Curve& curve, bool extend);

}  // namespace zrx::geom
