// Entities as the geometry kernel sees them, for intersections between any two kinds.
#pragma once

#include <optional>
#include <variant>
#include <vector>

#include "db_entity.h"
#include "geom/curve.h"
#include "geom/intersect.h"
#include "geom/spline_nurbs.h"

namespace zrxent {

// A closed-form curve or a spline.
using Geometry = std::variant<zrx::geom::Curve, zrx::geom::Nurbs>;

// The geometry of a curve entity; nothing for other entities.
std::optional<Geometry> geometryOf(const ZcDbEntity* entity);
std::vector<ZcGePoint3d> intersect(const Geometry& a, const Geometry& b, zrx::geom::Extend mode);
// The curve seen along the plane's normal, lying in the plane. Straight curves and splines
// project in any position; round and polyline curves only from a plane parallel to the
// given one.
std::optional<Geometry> projected(const Geometry& g, const ZcGePlane& plane);
// The point of the original curve that projects to a point of its projection.
std::optional<ZcGePoint3d> liftBack(const Geometry& original, const ZcGePlane& plane, const ZcGePoint3d& onFlat);

}  // namespace zrxent
