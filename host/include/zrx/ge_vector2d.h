// ZcGeVector2d: a direction and length in a plane.
#pragma once

#include "ge_tol.h"

class ZRX_API ZcGeVector2d {
public:
    ZcGeVector2d() = default;
    constexpr ZcGeVector2d(double xx, double yy) : x(xx), y(yy) {}

    static const ZcGeVector2d kIdentity;  // the additive identity, (0,0)
    static const ZcGeVector2d kXAxis;
    static const ZcGeVector2d kYAxis;

    ZcGeVector2d operator+(const ZcGeVector2d& v) const { return {x + v.x, y + v.y}; }
    ZcGeVector2d operator-(const ZcGeVector2d& v) const { return {x - v.x, y - v.y}; }
    ZcGeVector2d operator-() const { return {-x, -y}; }
    ZcGeVector2d operator*(double s) const { return {x * s, y * s}; }
    ZcGeVector2d operator/(double s) const { return {x / s, y / s}; }
    ZcGeVector2d& operator+=(const ZcGeVector2d& v) { x += v.x; y += v.y; return *this; }
    ZcGeVector2d& operator-=(const ZcGeVector2d& v) { x -= v.x; y -= v.y; return *this; }
    ZcGeVector2d& operator*=(double s) { x *= s; y *= s; return *this; }
    ZcGeVector2d& operator/=(double s) { x /= s; y /= s; return *this; }
    bool operator==(const ZcGeVector2d& v) const { return isEqualTo(v); }
    bool operator!=(const ZcGeVector2d& v) const { return !isEqualTo(v); }
    double operator[](unsigned int i) const { return i == 0 ? x : y; }
    double& operator[](unsigned int i) { return i == 0 ? x : y; }

    ZcGeVector2d& set(double xx, double yy) { x = xx; y = yy; return *this; }

    double length() const;
    double lengthSqrd() const { return x * x + y * y; }
    // Angle from the X axis, in [0, 2π).
    double angle() const;
    // Unsigned angle between the two, in [0, π].
    double angleTo(const ZcGeVector2d& v) const;
    double dotProduct(const ZcGeVector2d& v) const { return x * v.x + y * v.y; }
    ZcGeVector2d normal(const ZcGeTol& tol = ZcGeContext::gTol) const;
    ZcGeVector2d& normalize(const ZcGeTol& tol = ZcGeContext::gTol);
    ZcGeVector2d perpVector() const { return {-y, x}; }
    ZcGeVector2d& rotateBy(double angle);
    bool isZeroLength(const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isUnitLength(const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isParallelTo(const ZcGeVector2d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isCodirectionalTo(const ZcGeVector2d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isPerpendicularTo(const ZcGeVector2d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isEqualTo(const ZcGeVector2d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;

    double x = 0.0;
    double y = 0.0;
};

inline ZcGeVector2d operator*(double s, const ZcGeVector2d& v) { return v * s; }
