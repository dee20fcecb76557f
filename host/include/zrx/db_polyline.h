// Light-weight polylines: 2D vertices with bulges and widths in a plane given by the
// normal and the elevation. Parameter i is vertex i; along an arc segment the fraction
// grows with the swept angle.
#pragma once

#include <vector>

#include "db_curve.h"

namespace zrxhost {
struct Access;
}  // namespace zrxhost

class ZRX_API ZcDbPolyline : public ZcDbCurve {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbPolyline);
    enum SegType { kLine, kArc, kCoincident, kPoint, kEmpty };

    explicit ZcDbPolyline(unsigned int reserve = 0);
    ZcRxObject* clone() const override;

    unsigned int numVerts() const;
    // index may be numVerts() to append.
    Zcad::ErrorStatus addVertexAt(unsigned int index, const ZcGePoint2d& pt, double bulge = 0.0,
                                  double startWidth = -1.0, double endWidth = -1.0);
    Zcad::ErrorStatus removeVertexAt(unsigned int index);
    void reset(bool reuse, unsigned int numVerts);
    Zcad::ErrorStatus getPointAt(unsigned int index, ZcGePoint2d& pt) const;
    // The vertex in world coordinates.
    Zcad::ErrorStatus getPointAt(unsigned int index, ZcGePoint3d& pt) const;
    Zcad::ErrorStatus setPointAt(unsigned int index, const ZcGePoint2d& pt);
    Zcad::ErrorStatus getBulgeAt(unsigned int index, double& bulge) const;
    Zcad::ErrorStatus setBulgeAt(unsigned int index, double bulge);
    Zcad::ErrorStatus getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const;
    Zcad::ErrorStatus setWidthsAt(unsigned int index, double startWidth, double endWidth);
    Zcad::ErrorStatus getConstantWidth(double& width) const;
    Zcad::ErrorStatus setConstantWidth(double width);
    SegType segType(unsigned int index) const;
    bool isOnlyLines() const;

    bool isClosed() const override { assertReadEnabled(); return m_closed; }
    void setClosed(bool closed) { assertWriteEnabled(); m_closed = closed; }
    double elevation() const { assertReadEnabled(); return m_elevation; }
    void setElevation(double e) { assertWriteEnabled(); m_elevation = e; }
    ZcGeVector3d normal() const { assertReadEnabled(); return m_normal; }
    Zcad::ErrorStatus setNormal(const ZcGeVector3d& n);
    double thickness() const { assertReadEnabled(); return m_thickness; }
    Zcad::ErrorStatus setThickness(double t) { assertWriteEnabled(); m_thickness = t; return Zcad::eOk; }

    Zcad::ErrorStatus getArea(double& area) const override;
    // Lines and arcs, one per non-degenerate segment, with this polyline's properties.
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
    struct Vertex {
        ZcGePoint2d point;
        double bulge = 0.0;
        double startWidth = 0.0;
        double endWidth = 0.0;
    };
    std::vector<Vertex> m_vertices;
    bool m_closed = false;
    double m_elevation = 0.0;
    double m_thickness = 0.0;
    ZcGeVector3d m_normal{0, 0, 1};
};
