// ZcGeVector3d: a direction and length in space.
#pragma once

#include "ge_vector2d.h"

class ZcGeMatrix3d;
class ZcGePlane;

class ZRX_API ZcGeVector3d {
public:
    ZcGeVector3d() = default;
    constexpr ZcGeVector3d(double xx, double yy, double zz) : x(xx), y(yy), z(zz) {}
    // The 3D vector that the plane's (u, v) components stand for.
    ZcGeVector3d(const ZcGePlane& plane, const ZcGeVector2d& v);

    static const ZcGeVector3d kIdentity;  // the additive identity, (0,0,0)
    static const ZcGeVector3d kXAxis;
    static const ZcGeVector3d kYAxis;
    static const ZcGeVector3d kZAxis;

    ZcGeVector3d operator+(const ZcGeVector3d& v) const { return {x + v.x, y + v.y, z + v.z}; }
    ZcGeVector3d operator-(const ZcGeVector3d& v) const { return {x - v.x, y - v.y, z - v.z}; }
    ZcGeVector3d operator-() const { return {-x, -y, -z}; }
    ZcGeVector3d operator*(double s) const { return {x * s, y * s, z * s}; }
    ZcGeVector3d operator/(double s) const { return {x / s, y / s, z / s}; }
    ZcGeVector3d& operator+=(const ZcGeVector3d& v) { x += v.x; y += v.y; z += v.z; return *this; }
    ZcGeVector3d& operator-=(const ZcGeVector3d& v) { x -= v.x; y -= v.y; z -= v.z; return *this; }
    ZcGeVector3d& operator*=(double s) { x *= s; y *= s; z *= s; return *this; }
    ZcGeVector3d& operator/=(double s) { x /= s; y /= s; z /= s; return *this; }
    bool operator==(const ZcGeVector3d& v) const { return isEqualTo(v); }
    bool operator!=(const ZcGeVector3d& v) const { return !isEqualTo(v); }
    double operator[](unsigned int i) const { return i == 0 ? x : (i == 1 ? y : z); }
    double& operator[](unsigned int i) { return i == 0 ? x : (i == 1 ? y : z); }

    ZcGeVector3d& set(double xx, double yy, double zz) { x = xx; y = yy; z = zz; return *this; }
    ZcGeVector3d& setToProduct(const ZcGeMatrix3d& m, const ZcGeVector3d& v);
    ZcGeVector3d& setToSum(const ZcGeVector3d& a, const ZcGeVector3d& b) { return *this = a + b; }

    double length() const;
    double lengthSqrd() const { return x * x + y * y + z * z; }
    double dotProduct(const ZcGeVector3d& v) const { return x * v.x + y * v.y + z * v.z; }
    ZcGeVector3d crossProduct(const ZcGeVector3d& v) const {
        return {y * v.z - z * v.y, z * v.x - x * v.z, x * v.y - y * v.x};
    }
    // Unsigned angle between the two, in [0, π].
    double angleTo(const ZcGeVector3d& v) const;
    // Angle from this to v counter-clockwise about ref, in [0, 2π).
    double angleTo(const ZcGeVector3d& v, const ZcGeVector3d& ref) const;
    // Unit vector; a zero-length vector stays zero.
    ZcGeVector3d normal(const ZcGeTol& tol = ZcGeContext::gTol) const;
    ZcGeVector3d& normalize(const ZcGeTol& tol = ZcGeContext::gTol);
    // A unit vector perpendicular to this one, chosen by the arbitrary-axis rule so that the
    // same normal always gives the same axis.
    ZcGeVector3d perpVector() const;
    ZcGeVector3d& rotateBy(double angle, const ZcGeVector3d& axis);
    ZcGeVector3d& mirror(const ZcGeVector3d& planeNormal);
    ZcGeVector3d& transformBy(const ZcGeMatrix3d& m);
    ZcGeVector3d orthoProject(const ZcGeVector3d& planeNormal) const;
    ZcGeVector2d convert2d(const ZcGePlane& plane) const;
    unsigned int largestElement() const;

    bool isZeroLength(const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isUnitLength(const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isParallelTo(const ZcGeVector3d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isCodirectionalTo(const ZcGeVector3d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isPerpendicularTo(const ZcGeVector3d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isEqualTo(const ZcGeVector3d& v, const ZcGeTol& tol = ZcGeContext::gTol) const;

    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

inline ZcGeVector3d operator*(double s, const ZcGeVector3d& v) { return v * s; }
ZRX_API ZcGeVector3d operator*(const ZcGeMatrix3d& m, const ZcGeVector3d& v);
