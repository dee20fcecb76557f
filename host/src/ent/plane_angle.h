// Angles in an entity's own plane: measured about its normal from the X axis the
// arbitrary-axis rule gives that normal, as rotations of text, inserts and dimensions are.
#pragma once

#include <cmath>

#include "geom/angle.h"
#include "zrx/ge_vector3d.h"

namespace zrx::ent {

inline ZcGeVector3d planeXAxis(const ZcGeVector3d& normal) { return normal.normal().perpVector(); }
inline ZcGeVector3d planeYAxis(const ZcGeVector3d& normal) { return normal.normal().crossProduct(planeXAxis(normal)); }

// In [0, 2π); the part of dir along the normal is ignored.
inline double angleInPlane(const ZcGeVector3d& dir, const ZcGeVector3d& normal)
{
    return zrx::geom::normalizeAngle(std::atan2(dir.dotProduct(planeYAxis(normal)), dir.dotProduct(planeXAxis(normal))));
}

inline ZcGeVector3d directionInPlane(double angle, const ZcGeVector3d& normal)
{
    return planeXAxis(normal) * std::cos(angle) + planeYAxis(normal) * std::sin(angle);
}

// Relative checks for transforms: drawings in millimetres and in metres are judged alike.
inline bool nearlyPerpendicular(const ZcGeVector3d& a, const ZcGeVector3d& b)
{
    return std::fabs(a.dotProduct(b)) <= 1e-9 * a.length() * b.length();
}

}  // namespace zrx::ent
