// ZcGeVector2d: length, angles and tolerance-aware comparisons.
#include "zrx/ge_vector2d.h"

#include <cmath>
#include <numbers>

const ZcGeVector2d ZcGeVector2d::kIdentity(0, 0);
const ZcGeVector2d ZcGeVector2d::kXAxis(1, 0);
const ZcGeVector2d ZcGeVector2d::kYAxis(0, 1);

double ZcGeVector2d::length() const { return std::hypot(x, y); }

double ZcGeVector2d::angle() const
{
    double a = std::atan2(y, x);
    if (a < 0.0) a += 2.0 * std::numbers::pi;
    return a >= 2.0 * std::numbers::pi ? 0.0 : a;
}

double ZcGeVector2d::angleTo(const ZcGeVector2d& v) const
{
    // atan2 of cross and dot stays accurate near 0 and π where acos does not.
    return std::fabs(std::atan2(x * v.y - y * v.x, dotProduct(v)));
}

ZcGeVector2d ZcGeVector2d::normal(const ZcGeTol& tol) const
{
    ZcGeVector2d v = *this;
    return v.normalize(tol);
}

ZcGeVector2d& ZcGeVector2d::normalize(const ZcGeTol& tol)
{
    const double len = length();
    if (len > tol.equalVector()) { x /= len; y /= len; }
    else { x = 0.0; y = 0.0; }
    return *this;
}

ZcGeVector2d& ZcGeVector2d::rotateBy(double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    return set(c * x - s * y, s * x + c * y);
}

bool ZcGeVector2d::isZeroLength(const ZcGeTol& tol) const { return length() <= tol.equalVector(); }

bool ZcGeVector2d::isUnitLength(const ZcGeTol& tol) const
{
    return std::fabs(length() - 1.0) <= tol.equalVector();
}

bool ZcGeVector2d::isParallelTo(const ZcGeVector2d& v, const ZcGeTol& tol) const
{
    // A zero vector has no direction, so it is parallel to nothing.
    if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
    const ZcGeVector2d a = normal(tol), b = v.normal(tol);
    return std::fabs(a.x * b.y - a.y * b.x) <= tol.equalVector();
}

bool ZcGeVector2d::isCodirectionalTo(const ZcGeVector2d& v, const ZcGeTol& tol) const
{
    if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
    return (normal(tol) - v.normal(tol)).length() <= tol.equalVector();
}

bool ZcGeVector2d::isPerpendicularTo(const ZcGeVector2d& v, const ZcGeTol& tol) const
{
    if (isZeroLength(tol) || v.isZeroLength(tol)) return false;
    return std::fabs(normal(tol).dotProduct(v.normal(tol))) <= tol.equalVector();
}

bool ZcGeVector2d::isEqualTo(const ZcGeVector2d& v, const ZcGeTol& tol) const
{
    return (*this - v).length() <= tol.equalVector();
}
