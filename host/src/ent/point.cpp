// ZcDbPoint: a location with a normal, a thickness and a symbol rotation.
#include "db_point.h"

#include "ent/plane_angle.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbPoint, ZcDbEntity, "AcDbPoint", "POINT")
ZCRX_DEFINE_CLONE(ZcDbPoint)

Zcad::ErrorStatus ZcDbPoint::setNormal(const ZcGeVector3d& n)
{
    assertWriteEnabled();
    if (n.isZeroLength()) return Zcad::eInvalidInput;
    m_normal = n.normal();
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPoint::getGeomExtents(ZcDbExtents& extents) const
{
    assertReadEnabled();
    extents = ZcDbExtents(m_position, m_position + m_normal * m_thickness);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPoint::transformBy(const ZcGeMatrix3d& xform)
{
    assertWriteEnabled();
    const ZcGeVector3d extrusion = xform * (m_normal * m_thickness);
    const ZcGeVector3d normal = xform * m_normal;
    if (normal.isZeroLength()) return Zcad::eNotApplicable;
    // The symbol keeps pointing where its X axis went.
    const ZcGeVector3d symbolAxis = xform * zrx::ent::directionInPlane(m_ecsRotation, m_normal);
    m_position = xform * m_position;
    m_normal = normal.normal();
    m_thickness = extrusion.dotProduct(m_normal);
    m_ecsRotation = zrx::ent::angleInPlane(symbolAxis, m_normal);
    return Zcad::eOk;
}
