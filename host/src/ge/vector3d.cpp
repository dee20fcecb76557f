// ZcGeVector3d: length, angles, rotation and tolerance-aware comparisons.
#include "zrx/ge_vector3d.h"

#include "zrx/ge_matrix3d.h"
#include "zrx/ge_plane.h"

#include <cmath>
#include <numbers>

const ZcGeVector3d ZcGeVector3d::kIdentity(0, 0, 0);
const ZcGeVector3d ZcGeVector3d::kXAxis(1, 0, 0);
const ZcGeVector3d ZcGeVector3d::kYAxis(0, 1, 0);
const ZcGeVector3d ZcGeVector3d::kZAxis(0, 0, 1);

ZcGeVector3d::ZcGeVector3d(const ZcGePlane& plane, const ZcGeVector2d& v)
{
    ZcGePoint3d origin;
    ZcGeVector3d u, w;
    plane.getCoordSystem(origin, u, w);
    *this = u * v.x + w * v.y;
}

ZcGeVector3d& ZcGeVector3d::setToProduct(const ZcGeMatrix3d& m, const ZcGeVector3d& v)
{
    return *this = m * v;
}

double ZcGeVector3d::length() const { return std::sqrt(lengthSqrd()); }

double ZcGeVector3d::angleTo(const ZcGeVector3d& v) const
{
    // atan2 of |cross| and dot stays accurate near 0 and π where acos does not.
    return std::atan2(crossProduct(v).length(), dotProduct(v));
}

double ZcGeVector3d::angleTo(const ZcGeVector3d& v, const ZcGeVector3d& ref) const
{
    const double a = angleTo(v);
    if (ref.dotProduct(crossProduct(v)) >= 0.0) return a;
    const double b = 2.0 * std::numbers::pi - a;
    return b >= 2.0 * std::numbers::pi ? 0.0 : b;
}

ZcGeVector3d ZcGeVector3d::normal(const ZcGeTol& tol) const
{
    ZcGeVector3d v = *this;
    return v.normalize(tol);
}

ZcGeVector3d& ZcGeVector3d::normalize(const ZcGeTol& tol)
{
    const double len = length();
    if (len > tol.equalVector()) return *this /= len;
    return set(0, 0, 0);
}

ZcGeVector3d ZcGeVector3d::perpVector() const
{
    const ZcGeVector3d n = normal();
    constexpr double kLimit = 1.0 / 64.0;
    const ZcGeVector3d& seed = (std::fabs(n.x) < kLimit && std::fabs(n.y) < kLimit) ? kYAxis : kZAxis;
    return seed.crossProduct(n).normal();
}

ZcGeVector3d& ZcGeVector3d::rotateBy(double angle, const ZcGeVector3d& axis)
{
    // Rodrigues' formula about the unit axis.
    const ZcGeVector3d k = axis.normal();
    const double c = std::cos(angle), s = std::sin(angle);
    return *this = *this * c + k.crossProduct(*this) * s + k * (k.dotProduct(*this) * (1.0 - c));
}

ZcGeVector3d& ZcGeVector3d::mirror(const ZcGeVector3d& planeNormal)
{
    const ZcGeVector3d n = planeNormal.normal();
    return *this -= n * (2.0 * dotProduct(n));
}

ZcGeVector3d& ZcGeVector3d::transformBy(const ZcGeMatrix3d& m) { return *this = m * *this; }

ZcGeVector3d ZcGeVector3d::orthoProject(const ZcGeVector3d& planeNormal) const
{
    const ZcGeVector3d n = planeNormal.normal();
    return *this - n * dotProduct(n);
}

ZcGeVector2d ZcGeVector3d::convert2d(const ZcGePlane& plane) const
{
    ZcGePoint3d origin;
    ZcGeVector3d u, v;
    plane.getCoordSystem(origin, u, v);
    // The plane's axes need not be orthogonal: solve in the (u, v) basis.
    const double uu = u.dotProduct(u), uv = u.dotProduct(v), vv = v.dotProduct(v);
    const double a = dotProduct(u), b = dotProduct(v);
    const double d = uu * vv - uv * uv;
    return {(a * vv - b * uv) / d, (b * uu - a * uv) / d};
}

unsigned int ZcGeVector3d::largestElement() const
{
    const double ax = std::fabs(x), ay = std::fabs(y), az = std::fabs(z);
    if (ax >= ay && ax >= az) return 0;
    return ay >= az ? 1 : 2;
}

bool ZcGeVector3d::isZeroLength(const ZcGeTol& tol) const { return length() <= tol.equalVector(); }

bool ZcGeVector3d::isUnitLength(const ZcGeTol& tol) const
{
    return std::fabs(length() - 1.0) <= tol.equalVector();
}

bool ZcGeVector3d::isParallelTo(const ZcGeVector3d& v, const ZcGeTol& tol) const
{
    // A zero vector has no direction, so it is parallel to nothing.
    if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
    return normal(tol).crossProduct(v.normal(tol)).length() <= tol.equalVector();
}

bool ZcGeVector3d::isCodirectionalTo(const ZcGeVector3d& v, const ZcGeTol& tol) const
{
    if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
    return (normal(tol) - v.normal(tol)).length() <= tol.equalVector();
}

bool ZcGeVector3d::isPerpendicularTo(const ZcGeVector3d& v, const ZcGeTol& tol) const
{
    if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
    return std::fabs(normal(tol).dotProduct(v.normal(tol))) <= tol.equalVector();
}

bool ZcGeVector3d::isEqualTo(const ZcGeVector3d& v, const ZcGeTol& tol) const
{
    return (*this - v).length() <= tol.equalVector();
}

ZcGeVector3d operator*(const ZcGeMatrix3d& m, const ZcGeVector3d& v)
{
    // Directions ignore the translation column.
    return {m(0, 0) * v.x + m(0, 1) * v.y + m(0, 2) * v.z,
            m(1, 0) * v.x + m(1, 1) * v.y + m(1, 2) * v.z,
            m(2, 0) * v.x + m(2, 1) * v.y + m(2, 2) * v.z};
}
