// NURBS curves, by control points or by fit points.
#pragma once

#include <memory>

#include "db_curve.h"

namespace zrx::geom {
struct Nurbs;
}
namespace zrxhost {
struct Access;
}  // namespace zrxhost

class ZRX_API ZcDbSpline : public ZcDbCurve {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbSpline);
    ZcDbSpline();
    // Through the fit points; order 4 with tolerance 0 passes through each of them.
    ZcDbSpline(const ZcGePoint3dArray& fitPoints, int order = 4, double fitTolerance = 0.0);
    ZcDbSpline(const ZcGePoint3dArray& fitPoints, const ZcGeVector3d& startTangent, const ZcGeVector3d& endTangent,
               int order = 4, double fitTolerance = 0.0);
    ZcDbSpline(int degree, bool rational, bool closed, bool periodic, const ZcGePoint3dArray& controlPoints,
               const ZcGeDoubleArray& knots, const ZcGeDoubleArray& weights, double controlPtTol = 0.0,
               double knotTol = 0.0);
    ZcDbSpline(const ZcDbSpline& other);
    ZcDbSpline& operator=(const ZcDbSpline&) = delete;
    ~ZcDbSpline() override;
    ZcRxObject* clone() const override;

    int degree() const;
    bool isRational() const;
    bool isPlanar() const;
    bool isNull() const;
    int numControlPoints() const;
    Zcad::ErrorStatus getControlPointAt(int index, ZcGePoint3d& point) const;
    Zcad::ErrorStatus setControlPointAt(int index, const ZcGePoint3d& point);
    Zcad::ErrorStatus getNurbsData(int& degree, bool& rational, bool& closed, bool& periodic,
                                   ZcGePoint3dArray& controlPoints, ZcGeDoubleArray& knots, ZcGeDoubleArray& weights,
                                   double& controlPtTol, double& knotTol) const;
    Zcad::ErrorStatus setNurbsData(int degree, bool rational, bool closed, bool periodic,
                                   const ZcGePoint3dArray& controlPoints, const ZcGeDoubleArray& knots,
                                   const ZcGeDoubleArray& weights, double controlPtTol = 0.0, double knotTol = 0.0);

    bool hasFitData() const;
    int numFitPoints() const;
    Zcad::ErrorStatus getFitPointAt(int index, ZcGePoint3d& point) const;
    Zcad::ErrorStatus setFitPointAt(int index, const ZcGePoint3d& point);
    Zcad::ErrorStatus getFitData(ZcGePoint3dArray& fitPoints, int& degree, double& fitTolerance, bool& tangentsExist,
                                 ZcGeVector3d& startTangent, ZcGeVector3d& endTangent) const;
    Zcad::ErrorStatus setFitData(const ZcGePoint3dArray& fitPoints, int degree, double fitTolerance,
                                 const ZcGeVector3d& startTangent, const ZcGeVector3d& endTangent);
    double fitTolerance() const;
    Zcad::ErrorStatus purgeFitData();
    Zcad::ErrorStatus reverseCurve();

    bool isClosed() const override;
    bool isPeriodic() const override;
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
    friend struct zrxhost::Access;
    // The host's geometry behind the entity.
    const zrx::geom::Nurbs& nurbs() const;
    std::unique_ptr<zrx::geom::Nurbs> m_nurbs;
};
