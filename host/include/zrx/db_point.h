// Points: a single location, drawn by the drawing's point style.
#pragma once

#include "db_entity.h"

class ZRX_API ZcDbPoint : public ZcDbEntity {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbPoint);
    ZcDbPoint() = default;
    explicit ZcDbPoint(const ZcGePoint3d& position) : m_position(position) {}
    ZcRxObject* clone() const override;

    ZcGePoint3d position() const { assertReadEnabled(); return m_position; }
    Zcad::ErrorStatus setPosition(const ZcGePoint3d& p) { assertWriteEnabled(); m_position = p; return Zcad::eOk; }
    ZcGeVector3d normal() const { assertReadEnabled(); return m_normal; }
    // Kept as a unit vector; a zero vector is refused.
    Zcad::ErrorStatus setNormal(const ZcGeVector3d& n);
    double thickness() const { assertReadEnabled(); return m_thickness; }
    Zcad::ErrorStatus setThickness(double t) { assertWriteEnabled(); m_thickness = t; return Zcad::eOk; }
    // Rotation of the point's symbol about the normal.
    double ecsRotation() const { assertReadEnabled(); return m_ecsRotation; }
    Zcad::ErrorStatus setEcsRotation(double angle) { assertWriteEnabled(); m_ecsRotation = angle; return Zcad::eOk; }

    // The point itself, stretched along the normal by a thickness.
    Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
    Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& xform) override;

private:
    ZcGePoint3d m_position;
    ZcGeVector3d m_normal{0, 0, 1};
    double m_thickness = 0.0;
    double m_ecsRotation = 0.0;
};
