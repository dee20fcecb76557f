// Leaders: a polyline of straight (or splined) segments with an arrowhead at the first
// vertex. Parameter i is vertex i.
#pragma once

#include <vector>

#include "db_curve.h"

namespace zrxhost {
struct Access;
}  // namespace zrxhost

class ZRX_API ZcDbLeader : public ZcDbCurve {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbLeader);
    ZcDbLeader() = default;
    ZcRxObject* clone() const override;

    int numVertices() const { assertReadEnabled(); return static_cast<int>(m_vertices.size()); }
    bool appendVertex(const ZcGePoint3d& p);
    void removeLastVertex();
    ZcGePoint3d vertexAt(int index) const;
    bool setVertexAt(int index, const ZcGePoint3d& p);
    ZcGePoint3d firstVertex() const { return vertexAt(0); }
    ZcGePoint3d lastVertex() const { return vertexAt(numVertices() - 1); }

    bool hasArrowHead() const { assertReadEnabled(); return m_arrow; }
    void enableArrowHead() { assertWriteEnabled(); m_arrow = true; }
    void disableArrowHead() { assertWriteEnabled(); m_arrow = false; }
    bool isSplined() const { assertReadEnabled(); return m_splined; }
    void setToSplineLeader() { assertWriteEnabled(); m_splined = true; }
    void setToStraightLeader() { assertWriteEnabled(); m_splined = false; }
    ZcGeVector3d normal() const { assertReadEnabled(); return m_normal; }
    ZcDbObjectId dimensionStyle() const { assertReadEnabled(); return m_dimStyle; }
    void setDimensionStyle(ZcDbObjectId id) { assertWriteEnabled(); m_dimStyle = id; }
    ZcDbObjectId annotationObjId() const { assertReadEnabled(); return m_annotation; }
    void attachAnnotation(ZcDbObjectId id) { assertWriteEnabled(); m_annotation = id; }
    // The arrow size: the leader's own override, else its style's, else the default.
    double dimasz() const;
    void setDimasz(double size) { assertWriteEnabled(); m_dimaszOverride = size; }

    Zcad::ErrorStatus explode(ZcDbVoidPtrArray& entitySet) const override;
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
    std::vector<ZcGePoint3d> m_vertices;
    ZcGeVector3d m_normal{0, 0, 1};
    bool m_arrow = true;
    bool m_splined = false;
    double m_dimaszOverride = -1.0;
    ZcDbObjectId m_dimStyle;
    ZcDbObjectId m_annotation;
};
