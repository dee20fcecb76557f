// The spline value: a NURBS curve as the drawing stores it, with the fit data it was made
// from. Every spline service of the kernel (spline_*.h) takes this type.
//
// Knots are always the full (flat) vector, degree + 1 more than the control points, and the
// curve runs from knots[degree] to knots[controlPoints.size()]: this is the form the file
// holds. A periodic spline keeps that same unwrapped form: its first control points come
// round again at the end and its end knots carry the spacing on past the seam, so readers
// that know nothing of periodicity still draw it right.
//
// Tolerances scale with the model: a spline far from the origin or large carries larger
// rounding errors, so checks use tol.equalPoint() times modelScale() (at least 1).
#pragma once

#include "geom/box.h"
#include "zrx/ge_plane.h"

#include <optional>
#include <vector>

namespace zrx::geom {

struct ZRX_API Nurbs {
    int degree = 3;
    bool rational = false;
    bool closed = false;     // start and end points meet
    bool periodic = false;   // the unwrapped periodic form described above
    std::vector<ZcGePoint3d> controlPoints;
    std::vector<double> weights;   // one per control point when rational, else empty
    std::vector<double> knots;
    // What the curve was fitted through, kept exactly as given: the file writes it back.
    std::vector<ZcGePoint3d> fitPoints;
    double fitTolerance = 0.0;
    std::optional<ZcGeVector3d> startTangent;
    std::optional<ZcGeVector3d> endTangent;
    // Unit normal of the spline's plane; zero when the spline is not planar.
    ZcGeVector3d normal;

    // Only for valid data (see isValid).
    double startParam() const { return knots[static_cast<size_t>(degree)]; }
    double endParam() const { return knots[controlPoints.size()]; }
    bool hasFitData() const { return !fitPoints.empty(); }
    double weight(size_t i) const { return weights.empty() ? 1.0 : weights[i]; }
};

// Degree at least 1, at least degree + 1 control points, knots non-decreasing with the
// right count and a non-empty range, and positive weights, one per control point, when
// rational.
ZRX_API bool isValid(const Nurbs& s);

// A spline from control data, as the entity's NURBS setter gives it. Weights that are all
// 1 make a polynomial spline. A periodic spline may come unwrapped (the flat form above)
// or as one period: control points not repeated and controlPoints.size() + 1 knots, the
// first and last a period apart; the latter is wrapped here. Fails on invalid data.
ZRX_API std::optional<Nurbs> makeNurbs(int degree, std::vector<ZcGePoint3d> controlPoints,
                                       std::vector<double> knots, std::vector<double> weights = {},
                                       bool periodic = false, const ZcGeTol& tol = ZcGeContext::gTol);

// Largest of 1, the control polygon's extent and its distance from the origin: what
// rounding errors grow with.
ZRX_API double modelScale(const Box& box);
ZRX_API double modelScale(const Nurbs& s);
ZRX_API Box controlBox(const Nurbs& s);

// The plane holding every control point (and so the whole curve), through the first
// control point. A straight spline lies in many planes: the stored normal is kept when it
// fits, else the world Z axis, else one chosen by the arbitrary-axis rule.
ZRX_API std::optional<ZcGePlane> planeOf(const Nurbs& s, const ZcGeTol& tol = ZcGeContext::gTol);

// Sets closed and normal from the data, after control points changed.
ZRX_API void refreshShapeFlags(Nurbs& s, const ZcGeTol& tol = ZcGeContext::gTol);

}  // namespace zrx::geom
