// ZcGePoint2d: distances, rotation and scaling about a point.
#include "zrx/ge_point2d.h"

#include <cmath>

const ZcGePoint2d ZcGePoint2d::kOrigin(0, 0);

double ZcGePoint2d::distanceTo(const ZcGePoint2d& p) const { return std::hypot(x - p.x, y - p.y); }

ZcGePoint2d& ZcGePoint2d::rotateBy(double angle, const ZcGePoint2d& wrtPoint)
{
    ZcGeVector2d v = *this - wrtPoint;
    v.rotateBy(angle);
    return *this = wrtPoint + v;
}

ZcGePoint2d& ZcGePoint2d::scaleBy(double factor, const ZcGePoint2d& wrtPoint)
{
    return *this = wrtPoint + (*this - wrtPoint) * factor;
}

bool ZcGePoint2d::isEqualTo(const ZcGePoint2d& p, const ZcGeTol& tol) const
{
    return distanceTo(p) <= tol.equalPoint();
}
