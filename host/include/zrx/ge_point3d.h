// ZcGePoint3d: a location in space.
#pragma once

#include "ge_point2d.h"
#include "ge_vector3d.h"

class ZRX_API ZcGePoint3d {
public:
    ZcGePoint3d() = default;
    constexpr ZcGePoint3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
    // The point at plane coordinates (u, v).
    ZcGePoint3d(const ZcGePlane& plane, const ZcGePoint2d& p);

    static const ZcGePoint3d kOrigin;

    ZcGePoint3d operator+(const ZcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    ZcGePoint3d operator-(const ZcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    ZcGeVector3d operator-(const ZcGePoint3d& p) const { return {x - p.x, y - p.y, z - p.z}; }
    ZcGePoint3d operator*(double s) const { return {x * s, y * s, z * s}; }
    ZcGePoint3d operator/(double s) const { return {x / s, y / s, z / s}; }
    ZcGePoint3d& operator+=(const ZcGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
    ZcGePoint3d& operator-=(const ZcGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
    ZcGePoint3d& operator*=(double s) { x *= s; y *= s; z *= s; return *this; }
    ZcGePoint3d& operator/=(double s) { x /= s; y /= s; z /= s; return *this; }
    bool operator==(const ZcGePoint3d& p) const { return isEqualTo(p); }
    bool operator!=(const ZcGePoint3d& p) const { return !isEqualTo(p); }
    double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }

    ZcGePoint3d& set(double xx, double yy, double zz) { x = xx; y = yy; z = zz; return *this; }
    ZcGePoint3d& setToProduct(const ZcGeMatrix3d& m, const ZcGePoint3d& p);
    ZcGePoint3d& setToSum(const ZcGePoint3d& p, const ZcGeVector3d& v) { return *this = p + v; }
    ZcGeVector3d asVector() const { return {x, y, z}; }
    double distanceTo(const ZcGePoint3d& p) const;
    ZcGePoint3d& transformBy(const ZcGeMatrix3d& m);
    ZcGePoint3d& rotateBy(double angle, const ZcGeVector3d& axis, const ZcGePoint3d& wrtPoint = kOrigin);
    ZcGePoint3d& mirror(const ZcGePlane& plane);
    ZcGePoint3d& scaleBy(double factor, const ZcGePoint3d& wrtPoint = kOrigin);
    // Foot of the perpendicular on the plane.
    ZcGePoint3d orthoProject(const ZcGePlane& plane) const;
    // Plane coordinates of the point's orthogonal projection onto the plane.
    ZcGePoint2d convert2d(const ZcGePlane& plane) const;
    bool isEqualTo(const ZcGePoint3d& p, const ZcGeTol& tol = ZcGeContext::gTol) const;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline ZcGePoint3d operator*(double s, const ZcGePoint3d& p) { return p * s; }
ZRX_API ZcGePoint3d operator*(const ZcGeMatrix3d& m, const ZcGePoint3d& p);
