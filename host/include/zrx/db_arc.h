// Circles and arcs. Angles are measured counter-clockwise about the normal from the
// X axis of the entity's own coordinate system (the platform's arbitrary-axis rule).
#pragma once

#include "db_curve.h"

// Parameters are angles: 0..2π.
class ZRX_API ZcDbCircle : public ZcDbCurve {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbCircle);
    ZcDbCircle() = default;
    ZcDbCircle(const ZcGePoint3d& center, const ZcGeVector3d& normal, double radius);
    ZcRxObject* clone() const override;

    ZcGePoint3d center() const { assertReadEnabled(); return m_center; }
    Zcad::ErrorStatus setCenter(const ZcGePoint3d& c) { assertWriteEnabled(); m_center = c; return Zcad::eOk; }
    double radius() const { assertReadEnabled(); return m_radius; }
    Zcad::ErrorStatus setRadius(double r);
    ZcGeVector3d normal() const { assertReadEnabled(); return m_normal; }
    Zcad::ErrorStatus setNormal(const ZcGeVector3d& n);
    double thickness() const { assertReadEnabled(); return m_thickness; }
    Zcad::ErrorStatus setThickness(double t) { assertWriteEnabled(); m_thickness = t; return Zcad::eOk; }
    double circumference() const;
    double diameter() const { return 2.0 * radius(); }

    bool isClosed() const override { return true; }
    bool isPeriodic() const override { return true; }
    Zcad::ErrorStatus getArea(double& area) const override;
    Zcad::ErrorStatus getStartParam(double& param) const override;
    Zcad::ErrorStatus getEndParam(double& param) const override;
    Zcad::ErrorStatus getStartPoint(ZcGePoint3d& point) const override;
    Zcad::ErrorStatus getEndPoint(ZcGePoint3d& point) const override;
    Zcad::ErrorStatus getPointAtParam(double param, ZcGePoint3d& point) const override;
    Zcad::ErrorStatus getParamAtPoint(const ZcGePoint3d& point, double& param) const override;
    Zcad::ErrorStatus getDistAtParam(double param, double& dist) const override;
    Zcad::ErrorStatus getParamAtDist(double dist, double& param) const override;
    Zcad::ErrorStatus getFirstDeriv(double param, ZcGeVector3d& deriv) const override;
    using ZcDbCurve::getFirstDeriv;
    Zcad::ErrorStatus getClosestPointTo(const ZcGePoint3d& given, ZcGePoint3d& onCurve,
                                        bool extend = false) const override;
    Zcad::ErrorStatus getSplitCurves(const ZcGeDoubleArray& params, ZcDbVoidPtrArray& pieces) const override;
    using ZcDbCurve::getSplitCurves;
    Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
    Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& xform) override;

private:
    ZcGePoint3d m_center;
    ZcGeVector3d m_normal{0, 0, 1};
    double m_radius = 0.0;
    double m_thickness = 0.0;
};

// Parameters are angles: startAngle..endAngle, the end taken past the start.
class ZRX_API ZcDbArc : public ZcDbCurve {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbArc);
    ZcDbArc() = default;
    ZcDbArc(const ZcGePoint3d& center, double radius, double startAngle, double endAngle);
    ZcDbArc(const ZcGePoint3d& center, const ZcGeVector3d& normal, double radius, double startAngle, double endAngle);
    ZcRxObject* clone() const override;

    ZcGePoint3d center() const { assertReadEnabled(); return m_center; }
    Zcad::ErrorStatus setCenter(const ZcGePoint3d& c) { assertWriteEnabled(); m_center = c; return Zcad::eOk; }
    double radius() const { assertReadEnabled(); return m_radius; }
    Zcad::ErrorStatus setRadius(double r);
    ZcGeVector3d normal() const { assertReadEnabled(); return m_normal; }
    Zcad::ErrorStatus setNormal(const ZcGeVector3d& n);
    // Angles are kept in [0, 2π).
    double startAngle() const { assertReadEnabled(); return m_startAngle; }
    Zcad::ErrorStatus setStartAngle(double a);
    double endAngle() const { assertReadEnabled(); return m_endAngle; }
    Zcad::ErrorStatus setEndAngle(double a);
    double totalAngle() const;
    double length() const { return totalAngle() * radius(); }
    double thickness() const { assertReadEnabled(); return m_thickness; }
    Zcad::ErrorStatus setThickness(double t) { assertWriteEnabled(); m_thickness = t; return Zcad::eOk; }

    Zcad::ErrorStatus getArea(double& area) const override;
    Zcad::ErrorStatus getStartParam(double& param) const override;
    Zcad::ErrorStatus getEndParam(double& param) const override;
    Zcad::ErrorStatus getStartPoint(ZcGePoint3d& point) const override;
    Zcad::ErrorStatus getEndPoint(ZcGePoint3d& point) const override;
    Zcad::ErrorStatus getPointAtParam(double param, ZcGePoint3d& point) const override;
    Zcad::ErrorStatus getParamAtPoint(const ZcGePoint3d& point, double& param) const override;
    Zcad::ErrorStatus getDistAtParam(double param, double& dist) const override;
    Zcad::ErrorStatus getParamAtDist(double dist, double& param) const override;
    Zcad::ErrorStatus getFirstDeriv(double param, ZcGeVector3d& deriv) const override;
    using ZcDbCurve::getFirstDeriv;
    Zcad::ErrorStatus getClosestPointTo(const ZcGePoint3d& given, ZcGePoint3d& onCurve,
                                        bool extend = false) const override;
    Zcad::ErrorStatus getSplitCurves(const ZcGeDoubleArray& params, ZcDbVoidPtrArray& pieces) const override;
    using ZcDbCurve::getSplitCurves;
    Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
    Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& xform) override;

private:
    ZcGePoint3d m_center;
    ZcGeVector3d m_normal{0, 0, 1};
    double m_radius = 0.0;
    double m_startAngle = 0.0;
    double m_endAngle = 0.0;
    double m_thickness = 0.0;
};
