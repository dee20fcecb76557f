// Where a spline meets a straight or circular span, or another spline: the raw meeting
// points, before extension modes, ordering and merging (spline_intersect.cpp) are applied.
//
// The route depends on the planes involved, the common case being the exact one:
// - both in one plane: the library's planar intersector, which treats a line or circle as
//   an implicit curve and so finds tangent contacts as single points;
// - a planar spline and something crossing its plane: only the points where that crosses
//   the plane can be common, and each is checked on the spline;
// - otherwise the library's curve-curve extrema, keeping the pairs that touch.
// A stretch the planar intersector reports as common to both is a tangency when short (see
// spline_contacts.h), and an overlap, which has no point, otherwise.
#pragma once

#include "geom/span.h"
#include "geom/spline_contacts.h"
#include "geom/spline_occt.h"

namespace zrx::geom::crossing {

// A spline made ready: the library's curve, its plane if it has one, and the box of its
// control points, which holds the whole curve.
struct Body {
    const Nurbs* data = nullptr;
    Handle(Geom_BSplineCurve) curve;
    std::optional<ZcGePlane> plane;
    Handle(Geom2d_BSplineCurve) inPlane;
    Box box;
};
std::optional<Body> prepare(const Nurbs& s, const ZcGeTol& tol);

struct Crossing {
    ZcGePoint3d point;        // on the spline (the first spline of two)
    double onFirst = 0.0;     // the spline's parameter
    double onSecond = 0.0;    // the span's own parameter, or the second spline's
};

std::vector<Crossing> crossings(const Body& a, const Span& span, const Tolerances& tol);
std::vector<Crossing> crossings(const Body& a, const Body& b, const Tolerances& tol);

}  // namespace zrx::geom::crossing
