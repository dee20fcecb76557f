// ZcGePlane: an unbounded plane with its own (u, v) coordinate system.
#pragma once

#include "ge_point3d.h"

class ZcGeMatrix3d;

class ZRX_API ZcGePlane {
public:
    ZcGePlane();  // the XY plane
    // Axes from the normal by the arbitrary-axis rule.
    ZcGePlane(const ZcGePoint3d& origin, const ZcGeVector3d& normal);
    // Points origin, origin+u and origin+v; the normal is u × v.
    ZcGePlane(const ZcGePoint3d& pntU, const ZcGePoint3d& origin, const ZcGePoint3d& pntV);
    ZcGePlane(const ZcGePoint3d& origin, const ZcGeVector3d& uAxis, const ZcGeVector3d& vAxis);
    // a·x + b·y + c·z + d = 0.
    ZcGePlane(double a, double b, double c, double d);

    static const ZcGePlane kXYPlane;
    static const ZcGePlane kYZPlane;
    static const ZcGePlane kZXPlane;

    ZcGePlane& set(const ZcGePoint3d& origin, const ZcGeVector3d& normal);
    ZcGePlane& set(const ZcGePoint3d& origin, const ZcGeVector3d& uAxis, const ZcGeVector3d& vAxis);

    ZcGePoint3d pointOnPlane() const { return m_origin; }
    ZcGeVector3d normal() const { return m_normal; }
    void getCoordSystem(ZcGePoint3d& origin, ZcGeVector3d& uAxis, ZcGeVector3d& vAxis) const;
    void getCoefficients(double& a, double& b, double& c, double& d) const;
    double distanceTo(const ZcGePoint3d& p) const;
    // Positive on the side the normal points to.
    double signedDistanceTo(const ZcGePoint3d& p) const;
    ZcGePoint3d closestPointTo(const ZcGePoint3d& p) const;
    bool isOn(const ZcGePoint3d& p, const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isParallelTo(const ZcGePlane& other, const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isCoplanarTo(const ZcGePlane& other, const ZcGeTol& tol = ZcGeContext::gTol) const;
    // The common line as a point and a unit direction; false for parallel planes.
    bool intersectWith(const ZcGePlane& other, ZcGePoint3d& linePoint, ZcGeVector3d& lineDirection,
                       const ZcGeTol& tol = ZcGeContext::gTol) const;
    ZcGePoint3d evalPoint(const ZcGePoint2d& uv) const;
    ZcGePoint2d paramOf(const ZcGePoint3d& p) const;
    ZcGePlane& transformBy(const ZcGeMatrix3d& m);
    bool isEqualTo(const ZcGePlane& other, const ZcGeTol& tol = ZcGeContext::gTol) const;

private:
    ZcGePoint3d m_origin;
    ZcGeVector3d m_uAxis{1, 0, 0};
    ZcGeVector3d m_vAxis{0, 1, 0};
    ZcGeVector3d m_normal{0, 0, 1};
};
