// ZcGePoint2d: a location in a plane.
#pragma once

#include "ge_vector2d.h"

class ZRX_API ZcGePoint2d {
public:
    ZcGePoint2d() = default;
    constexpr ZcGePoint2d(double xx, double yy) : x(xx), y(yy) {}

    static const ZcGePoint2d kOrigin;

    ZcGePoint2d operator+(const ZcGeVector2d& v) const { return {x + v.x, y + v.y}; }
    ZcGePoint2d operator-(const ZcGeVector2d& v) const { return {x - v.x, y - v.y}; }
    ZcGeVector2d operator-(const ZcGePoint2d& p) const { return {x - p.x, y - p.y}; }
    ZcGePoint2d operator*(double s) const { return {x * s, y * s}; }
    ZcGePoint2d operator/(double s) const { return {x / s, y / s}; }
    ZcGePoint2d& operator+=(const ZcGeVector2d& v) { x += v.x; y += v.y; return *this; }
    ZcGePoint2d& operator-=(const ZcGeVector2d& v) { x -= v.x; y -= v.y; return *this; }
    ZcGePoint2d& operator*=(double s) { x *= s; y *= s; return *this; }
    ZcGePoint2d& operator/=(double s) { x /= s; y /= s; return *this; }
    bool operator==(const ZcGePoint2d& p) const { return isEqualTo(p); }
    bool operator!=(const ZcGePoint2d& p) const { return !isEqualTo(p); }
    double operator[](unsigned int i) const { return i == 0 ? x : y; }
    double& operator[](unsigned int i) { return i == 0 ? x : y; }

    ZcGePoint2d& set(double xx, double yy) { x = xx; y = yy; return *this; }
    ZcGeVector2d asVector() const { return {x, y}; }
    double distanceTo(const ZcGePoint2d& p) const;
    ZcGePoint2d& rotateBy(double angle, const ZcGePoint2d& wrtPoint = kOrigin);
    ZcGePoint2d& scaleBy(double factor, const ZcGePoint2d& wrtPoint = kOrigin);
    bool isEqualTo(const ZcGePoint2d& p, const ZcGeTol& tol = ZcGeContext::gTol) const;

    double x = 0.0;
    double y = 0.0;
};

inline ZcGePoint2d operator*(double s, const ZcGePoint2d& p) { return p * s; }
