#include "drafting/curve_points_lisp.h"

#include "core/lisp_args.h"

namespace {

ZcGePoint3dArray definingPoints(ZcDbObjectId id)
{
    ZcGePoint3dArray points;
    ZcDbObjectPointer<ZcDbCurve> curve(id, ZcDb::kForRead);
    if (curve.openStatus() != Zcad::eOk) return points;
    if (auto* polyline = ZcDbPolyline::cast(curve.object())) {
        for (unsigned int i = 0; i < polyline->numVerts(); ++i) {
            ZcGePoint3d p;
            if (polyline->getPointAt(i, p) == Zcad::eOk) points.append(p);
        }
    } else if (auto* spline = ZcDbSpline::cast(curve.object())) {
        for (int i = 0; i < spline->numControlPoints(); ++i) {
            ZcGePoint3d p;
            if (spline->getControlPointAt(i, p) == Zcad::eOk) points.append(p);
        }
    }
    return points;
}

}  // namespace

int TrevanComARX_qor_plinelistLispFunc()
{
    TrevanLispArgs args;
    ZcDbObjectId id;
    if (!args.entity(id)) return args.fail();
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (const ZcGePoint3d& p : definingPoints(id)) {
        *tail = zcutNewRb(RT3DPOINT);
        (*tail)->resval.rpoint[0] = p.x;
        (*tail)->resval.rpoint[1] = p.y;
        (*tail)->resval.rpoint[2] = p.z;
        tail = &(*tail)->rbnext;
    }
    return TrevanLispArgs::retList(head);
}
