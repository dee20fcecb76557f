// ZcDbCurve members answered through a curve's own parameter queries.
#include <algorithm>

#include "db_curve.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbCurve, ZcDbEntity, "AcDbCurve", "")

Zcad::ErrorStatus ZcDbCurve::getArea(double& area) const
{
    assertReadEnabled();
    area = 0.0;
    return Zcad::eNotApplicable;
}

Zcad::ErrorStatus ZcDbCurve::getDistAtPoint(const ZcGePoint3d& point, double& dist) const
{
    double param = 0.0;
    if (Zcad::ErrorStatus es = getParamAtPoint(point, param); es != Zcad::eOk) return es;
    return getDistAtParam(param, dist);
}

Zcad::ErrorStatus ZcDbCurve::getPointAtDist(double dist, ZcGePoint3d& point) const
{
    double param = 0.0;
    if (Zcad::ErrorStatus es = getParamAtDist(dist, param); es != Zcad::eOk) return es;
    return getPointAtParam(param, point);
}

Zcad::ErrorStatus ZcDbCurve::getFirstDeriv(const ZcGePoint3d& point, ZcGeVector3d& deriv) const
{
    double param = 0.0;
    if (Zcad::ErrorStatus es = getParamAtPoint(point, param); es != Zcad::eOk) return es;
    return getFirstDeriv(param, deriv);
}

Zcad::ErrorStatus ZcDbCurve::getSplitCurves(const ZcGePoint3dArray& points, ZcDbVoidPtrArray& pieces) const
{
    ZcGeDoubleArray params;
    for (const ZcGePoint3d& p : points) {
        double t = 0.0;
        if (getParamAtPoint(p, t) == Zcad::eOk) params.append(t);
    }
    std::sort(params.begin(), params.end());
    return getSplitCurves(params, pieces);
}
