// ZcGePlane: construction, distances, projection and plane coordinates.
#include "zrx/ge_plane.h"

#include "zrx/ge_matrix3d.h"

#include <cmath>

const ZcGePlane ZcGePlane::kXYPlane(ZcGePoint3d::kOrigin, ZcGeVector3d::kXAxis, ZcGeVector3d::kYAxis);
const ZcGePlane ZcGePlane::kYZPlane(ZcGePoint3d::kOrigin, ZcGeVector3d::kYAxis, ZcGeVector3d::kZAxis);
const ZcGePlane ZcGePlane::kZXPlane(ZcGePoint3d::kOrigin, ZcGeVector3d::kZAxis, ZcGeVector3d::kXAxis);

ZcGePlane::ZcGePlane() = default;

ZcGePlane::ZcGePlane(const ZcGePoint3d& origin, const ZcGeVector3d& normal) { set(origin, normal); }

ZcGePlane::ZcGePlane(const ZcGePoint3d& pntU, const ZcGePoint3d& origin, const ZcGePoint3d& pntV)
{
    set(origin, pntU - origin, pntV - origin);
}

ZcGePlane::ZcGePlane(const ZcGePoint3d& origin, const ZcGeVector3d& uAxis, const ZcGeVector3d& vAxis)
{
    set(origin, uAxis, vAxis);
}

ZcGePlane::ZcGePlane(double a, double b, double c, double d)
{
    const ZcGeVector3d n(a, b, c);
    set(ZcGePoint3d::kOrigin + n * (-d / n.lengthSqrd()), n);
}

ZcGePlane& ZcGePlane::set(const ZcGePoint3d& origin, const ZcGeVector3d& normal)
{
    m_origin = origin;
    m_normal = normal.normal();
    m_uAxis = m_normal.perpVector();
    m_vAxis = m_normal.crossProduct(m_uAxis);
    return *this;
}

ZcGePlane& ZcGePlane::set(const ZcGePoint3d& origin, const ZcGeVector3d& uAxis, const ZcGeVector3d& vAxis)
{
    m_origin = origin;
    m_uAxis = uAxis;
    m_vAxis = vAxis;
    m_normal = uAxis.crossProduct(vAxis).normal();
    return *this;
}

void ZcGePlane::getCoordSystem(ZcGePoint3d& origin, ZcGeVector3d& uAxis, ZcGeVector3d& vAxis) const
{
    origin = m_origin;
    uAxis = m_uAxis;
    vAxis = m_vAxis;
}

void ZcGePlane::getCoefficients(double& a, double& b, double& c, double& d) const
{
    a = m_normal.x;
    b = m_normal.y;
    c = m_normal.z;
    d = -m_normal.dotProduct(m_origin.asVector());
}

double ZcGePlane::signedDistanceTo(const ZcGePoint3d& p) const { return m_normal.dotProduct(p - m_origin); }

double ZcGePlane::distanceTo(const ZcGePoint3d& p) const { return std::fabs(signedDistanceTo(p)); }

ZcGePoint3d ZcGePlane::closestPointTo(const ZcGePoint3d& p) const { return p - m_normal * signedDistanceTo(p); }

bool ZcGePlane::isOn(const ZcGePoint3d& p, const ZcGeTol& tol) const { return distanceTo(p) <= tol.equalPoint(); }

bool ZcGePlane::isParallelTo(const ZcGePlane& other, const ZcGeTol& tol) const
{
    return m_normal.isParallelTo(other.m_normal, tol);
}

bool ZcGePlane::isCoplanarTo(const ZcGePlane& other, const ZcGeTol& tol) const
{
    return isParallelTo(other, tol) && isOn(other.m_origin, tol);
}

bool ZcGePlane::intersectWith(const ZcGePlane& other, ZcGePoint3d& linePoint, ZcGeVector3d& lineDirection,
                              const ZcGeTol& tol) const
{
    const ZcGeVector3d dir = m_normal.crossProduct(other.m_normal);
    if (dir.isZeroLength(tol)) return false;
    // The point of the common line nearest the world origin.
    const double h1 = m_normal.dotProduct(m_origin.asVector());
    const double h2 = other.m_normal.dotProduct(other.m_origin.asVector());
    const ZcGeVector3d p = (other.m_normal.crossProduct(dir) * h1 + dir.crossProduct(m_normal) * h2) / dir.lengthSqrd();
    linePoint = ZcGePoint3d::kOrigin + p;
    lineDirection = dir.normal();
    return true;
}

ZcGePoint3d ZcGePlane::evalPoint(const ZcGePoint2d& uv) const { return m_origin + m_uAxis * uv.x + m_vAxis * uv.y; }

ZcGePoint2d ZcGePlane::paramOf(const ZcGePoint3d& p) const
{
    const ZcGeVector2d uv = (p - m_origin).convert2d(*this);
    return {uv.x, uv.y};
}

ZcGePlane& ZcGePlane::transformBy(const ZcGeMatrix3d& m)
{
    return set(m * m_origin, m * m_uAxis, m * m_vAxis);
}

bool ZcGePlane::isEqualTo(const ZcGePlane& other, const ZcGeTol& tol) const
{
    return isCoplanarTo(other, tol) && m_normal.isCodirectionalTo(other.m_normal, tol);
}
