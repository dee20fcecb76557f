// ZcGePoint3d: distances, transforms and projections.
#include "zrx/ge_point3d.h"

#include "zrx/ge_matrix3d.h"
#include "zrx/ge_plane.h"

#include <cmath>

const ZcGePoint3d ZcGePoint3d::kOrigin(0, 0, 0);

ZcGePoint3d::ZcGePoint3d(const ZcGePlane& plane, const ZcGePoint2d& p) { *this = plane.evalPoint(p); }

ZcGePoint3d& ZcGePoint3d::setToProduct(const ZcGeMatrix3d& m, const ZcGePoint3d& p) { return *this = m * p; }

double ZcGePoint3d::distanceTo(const ZcGePoint3d& p) const { return (*this - p).length(); }

ZcGePoint3d& ZcGePoint3d::transformBy(const ZcGeMatrix3d& m) { return *this = m * *this; }

ZcGePoint3d& ZcGePoint3d::rotateBy(double angle, const ZcGeVector3d& axis, const ZcGePoint3d& wrtPoint)
{
    ZcGeVector3d v = *this - wrtPoint;
    v.rotateBy(angle, axis);
    return *this = wrtPoint + v;
}

ZcGePoint3d& ZcGePoint3d::mirror(const ZcGePlane& plane)
{
    const ZcGeVector3d n = plane.normal();
    return *this -= n * (2.0 * plane.signedDistanceTo(*this));
}

ZcGePoint3d& ZcGePoint3d::scaleBy(double factor, const ZcGePoint3d& wrtPoint)
{
    return *this = wrtPoint + (*this - wrtPoint) * factor;
}

ZcGePoint3d ZcGePoint3d::orthoProject(const ZcGePlane& plane) const { return plane.closestPointTo(*this); }

ZcGePoint2d ZcGePoint3d::convert2d(const ZcGePlane& plane) const { return plane.paramOf(*this); }

bool ZcGePoint3d::isEqualTo(const ZcGePoint3d& p, const ZcGeTol& tol) const
{
    return distanceTo(p) <= tol.equalPoint();
}

ZcGePoint3d operator*(const ZcGeMatrix3d& m, const ZcGePoint3d& p)
{
    double r[4];
    for (unsigned int i = 0; i < 4; ++i) r[i] = m(i, 0) * p.x + m(i, 1) * p.y + m(i, 2) * p.z + m(i, 3);
    // Affine transforms keep w = 1; anything else is a projective one.
    if (r[3] != 1.0 && r[3] != 0.0) return {r[0] / r[3], r[1] / r[3], r[2] / r[3]};
    return {r[0], r[1], r[2]};
}
