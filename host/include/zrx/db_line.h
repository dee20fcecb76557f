// Straight curves: lines, rays and construction lines.
#pragma once

#include "db_curve.h"

// Parameters run 0..length along the line, as on the platform.
class ZRX_API ZcDbLine : public ZcDbCurve {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbLine);
    ZcDbLine() = default;
    ZcDbLine(const ZcGePoint3d& start, const ZcGePoint3d& end) : m_start(start), m_end(end) {}
    ZcRxObject* clone() const override;

    ZcGePoint3d startPoint() const { assertReadEnabled(); return m_start; }
    Zcad::ErrorStatus setStartPoint(const ZcGePoint3d& p) { assertWriteEnabled(); m_start = p; return Zcad::eOk; }
    ZcGePoint3d endPoint() const { assertReadEnabled(); return m_end; }
    Zcad::ErrorStatus setEndPoint(const ZcGePoint3d& p) { assertWriteEnabled(); m_end = p; return Zcad::eOk; }
    ZcGeVector3d normal() const { assertReadEnabled(); return m_normal; }
    Zcad::ErrorStatus setNormal(const ZcGeVector3d& n);
    double thickness() const { assertReadEnabled(); return m_thickness; }
    Zcad::ErrorStatus setThickness(double t) { assertWriteEnabled(); m_thickness = t; return Zcad::eOk; }

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
    ZcGePoint3d m_start;
    ZcGePoint3d m_end;
    ZcGeVector3d m_normal{0, 0, 1};
    double m_thickness = 0.0;
};

// A half-infinite line: parameters 0..∞ from the base point.
class ZRX_API ZcDbRay : public ZcDbCurve {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbRay);
    ZcDbRay() = default;
    ZcRxObject* clone() const override;

    ZcGePoint3d basePoint() const { assertReadEnabled(); return m_base; }
    void setBasePoint(const ZcGePoint3d& p) { assertWriteEnabled(); m_base = p; }
    ZcGeVector3d unitDir() const { assertReadEnabled(); return m_dir; }
    // The direction is kept as a unit vector; a zero vector is refused.
    Zcad::ErrorStatus setUnitDir(const ZcGeVector3d& v);
    ZcGePoint3d secondPoint() const { assertReadEnabled(); return m_base + m_dir; }
    void setSecondPoint(const ZcGePoint3d& p) { setUnitDir(p - basePoint()); }

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
    ZcGePoint3d m_base;
    ZcGeVector3d m_dir{1, 0, 0};
};

// A construction line, infinite both ways: parameter 0 at the base point.
class ZRX_API ZcDbXline : public ZcDbCurve {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbXline);
    ZcDbXline() = default;
    ZcRxObject* clone() const override;

    ZcGePoint3d basePoint() const { assertReadEnabled(); return m_base; }
    void setBasePoint(const ZcGePoint3d& p) { assertWriteEnabled(); m_base = p; }
    ZcGeVector3d unitDir() const { assertReadEnabled(); return m_dir; }
    Zcad::ErrorStatus setUnitDir(const ZcGeVector3d& v);
    ZcGePoint3d secondPoint() const { assertReadEnabled(); return m_base + m_dir; }
    void setSecondPoint(const ZcGePoint3d& p) { setUnitDir(p - basePoint()); }

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
    ZcGePoint3d m_base;
    ZcGeVector3d m_dir{1, 0, 0};
};
