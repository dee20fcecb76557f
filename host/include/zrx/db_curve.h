// ZcDbCurve: what every curve answers about its parameters, points and distances.
#pragma once

#include "db_entity.h"

class ZRX_API ZcDbCurve : public ZcDbEntity {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbCurve);

    virtual bool isClosed() const { return false; }
    virtual bool isPeriodic() const { return false; }

    virtual Zcad::ErrorStatus getStartParam(double& param) const = 0;
    virtual Zcad::ErrorStatus getEndParam(double& param) const = 0;
    virtual Zcad::ErrorStatus getStartPoint(ZcGePoint3d& point) const = 0;
    virtual Zcad::ErrorStatus getEndPoint(ZcGePoint3d& point) const = 0;
    virtual Zcad::ErrorStatus getPointAtParam(double param, ZcGePoint3d& point) const = 0;
    // eInvalidInput when the point is not on the curve.
    virtual Zcad::ErrorStatus getParamAtPoint(const ZcGePoint3d& point, double& param) const = 0;
    virtual Zcad::ErrorStatus getDistAtParam(double param, double& dist) const = 0;
    virtual Zcad::ErrorStatus getParamAtDist(double dist, double& param) const = 0;
    virtual Zcad::ErrorStatus getFirstDeriv(double param, ZcGeVector3d& deriv) const = 0;
    virtual Zcad::ErrorStatus getClosestPointTo(const ZcGePoint3d& given, ZcGePoint3d& onCurve,
                                                bool extend = false) const = 0;
    // Split pieces, new entities the caller owns, in order along the curve.
    virtual Zcad::ErrorStatus getSplitCurves(const ZcGeDoubleArray& params, ZcDbVoidPtrArray& pieces) const = 0;
    virtual Zcad::ErrorStatus getArea(double& area) const;

    Zcad::ErrorStatus getDistAtPoint(const ZcGePoint3d& point, double& dist) const;
    Zcad::ErrorStatus getPointAtDist(double dist, ZcGePoint3d& point) const;
    Zcad::ErrorStatus getFirstDeriv(const ZcGePoint3d& point, ZcGeVector3d& deriv) const;
    // Points not on the curve are skipped.
    Zcad::ErrorStatus getSplitCurves(const ZcGePoint3dArray& points, ZcDbVoidPtrArray& pieces) const;

protected:
    ZcDbCurve() = default;
    ZcDbCurve(const ZcDbCurve&) = default;
    ZcDbCurve& operator=(const ZcDbCurve&) = default;
};
