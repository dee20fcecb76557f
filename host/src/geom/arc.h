// The circular primitive: a circle or an arc in any plane. Angles are measured
// counter-clockwise about the normal from the plane's reference X axis, which the
// arbitrary-axis rule derives from the normal (the entity OCS), so an arc's angles are the
// ones stored with the entity. The parameter is the angle: startAngle..endAngle for an arc
// (endAngle > startAngle, at most 2π more), 0..2π for a circle.
#pragma once

#include "geom/box.h"
#include "zrx/ge_matrix3d.h"

#include <optional>
#include <vector>

namespace zrx::geom {

struct ZRX_API Arc {
    ZcGePoint3d center;
    double radius = 0.0;
    ZcGeVector3d normal{0, 0, 1};   // unit
    double startAngle = 0.0;        // in [0, 2π)
    double endAngle = 0.0;          // in (startAngle, startAngle + 2π]
    bool circle = false;            // closed: a circle rather than an arc

    static Arc makeCircle(const ZcGePoint3d& center, double radius, const ZcGeVector3d& normal);
    // Angles as the entity stores them; equal angles give a full sweep.
    static Arc makeArc(const ZcGePoint3d& center, double radius, const ZcGeVector3d& normal,
                       double startAngle, double endAngle);

    ZcGeVector3d xAxis() const;     // arbitrary-axis rule
    ZcGeVector3d yAxis() const { return normal.crossProduct(xAxis()); }
    double startParam() const { return startAngle; }
    double endParam() const { return endAngle; }
    double sweep() const { return endAngle - startAngle; }
    double length() const { return radius * sweep(); }
    bool isClosed() const { return circle; }
    // Unchecked evaluation at any angle.
    ZcGePoint3d at(double angle) const;
    // Angle of a point's projection into the arc's plane, in [0, 2π).
    double angleOf(const ZcGePoint3d& point) const;
};

ZRX_API std::optional<ZcGePoint3d> startPoint(const Arc& arc);
ZRX_API std::optional<ZcGePoint3d> endPoint(const Arc& arc);
ZRX_API std::optional<ZcGePoint3d> pointAtParam(const Arc& arc, double param, const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::optional<double> paramAtPoint(const Arc& arc, const ZcGePoint3d& point,
                                           const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::optional<double> distAtParam(const Arc& arc, double param, const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::optional<double> paramAtDist(const Arc& arc, double dist, const ZcGeTol& tol = ZcGeContext::gTol);
// d(point)/d(angle): tangent of length radius.
ZRX_API std::optional<ZcGeVector3d> firstDeriv(const Arc& arc, double param, const ZcGeTol& tol = ZcGeContext::gTol);
// With extend, an arc counts as its whole circle. A point on the axis is closest to every
// point of the circle; the start point is answered.
ZRX_API ZcGePoint3d closestPointTo(const Arc& arc, const ZcGePoint3d& point, bool extend);
// Pieces in order. A circle's pieces run from each split to the next, the last one wrapping
// round to the first split, so one split gives one full-sweep arc starting there. No usable
// parameter: one piece, the curve itself.
ZRX_API std::vector<Arc> splitAtParams(const Arc& arc, const std::vector<double>& params,
                                       const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::vector<Arc> splitAtPoints(const Arc& arc, const std::vector<ZcGePoint3d>& points,
                                       const ZcGeTol& tol = ZcGeContext::gTol);
// Exact box, also for arcs in tilted planes.
ZRX_API Box extents(const Arc& arc);
// Fails for transforms that would turn the arc into an ellipse (non-uniform scaling,
// shear). A mirror keeps the arc counter-clockwise about its new normal by swapping ends.
ZRX_API std::optional<Arc> transformed(const Arc& arc, const ZcGeMatrix3d& m);

}  // namespace zrx::geom
