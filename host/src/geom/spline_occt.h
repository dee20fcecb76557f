// The one doorway to Open CASCADE: moving points, vectors and splines between the host's
// types and the library's. Only the kernel's spline_*.cpp files include this; nothing of
// the library shows in any other header.
#pragma once

#include "geom/spline_nurbs.h"

#include <Geom2d_BSplineCurve.hxx>
#include <Geom_BSplineCurve.hxx>
#include <Standard_Failure.hxx>
#include <gp_Pnt.hxx>
#include <gp_Vec.hxx>

#include <type_traits>

namespace zrx::geom::occt {

inline gp_Pnt toGp(const ZcGePoint3d& p) { return {p.x, p.y, p.z}; }
inline gp_Vec toGp(const ZcGeVector3d& v) { return {v.x, v.y, v.z}; }
inline ZcGePoint3d fromGp(const gp_Pnt& p) { return {p.X(), p.Y(), p.Z()}; }
inline ZcGeVector3d fromGp(const gp_Vec& v) { return {v.X(), v.Y(), v.Z()}; }

// The library's form of a spline: never periodic on its side, the flat knots grouped into
// distinct values and multiplicities. Null for data the library refuses.
Handle(Geom_BSplineCurve) toCurve(const Nurbs& s);

// Back to the host's form, a periodic curve unwrapped and flagged; closed and normal are
// set from the geometry. Fit data is left empty.
Nurbs fromCurve(const Handle(Geom_BSplineCurve)& curve, const ZcGeTol& tol = ZcGeContext::gTol);

// The spline seen in a plane's (u, v) coordinates. Exact for a spline lying in that
// plane, since the projection is affine and keeps the parameter.
Handle(Geom2d_BSplineCurve) toCurve2d(const Handle(Geom_BSplineCurve)& curve, const ZcGePlane& plane);

// Runs f, turning the library's exceptions into the empty answer of f's result type: the
// kernel's callers see a failed query, never an exception.
template <class F>
auto guarded(F&& f) -> std::invoke_result_t<F>
{
    try {
        return f();
    } catch (const Standard_Failure&) {
        return {};
    }
}

}  // namespace zrx::geom::occt
