#include "drafting/plan_intersect.h"

#include <memory>

#include "core/lisp_args.h"

namespace {

ZcDb::Intersect intersectType(int mode)
{
    switch (mode) {
    case 1: return ZcDb::kExtendThis;
    case 2: return ZcDb::kExtendArg;
    case 3: return ZcDb::kExtendBoth;
    default: return ZcDb::kOnBothOperands;
    }
}

ZcGePoint3d onPlan(ZcGePoint3d p)
{
    p.z = 0.0;
    return p;
}

// A copy of the curve with its elevation data at zero: a polyline's elevation, a line's end
// points, an arc's or circle's centre, a spline's control points. The curve itself is never
// changed, so it stays bit for bit as it was; a spline rebuilt in place would lose its fit
// data. Null for any other kind.
std::unique_ptr<ZcDbCurve> flattened(const ZcDbCurve* curve)
{
    ZcRxClass* kind = curve->isA();
    if (kind == ZcDbPolyline::desc()) {
        std::unique_ptr<ZcDbPolyline> copy(static_cast<ZcDbPolyline*>(curve->clone()));
        copy->setElevation(0.0);
        return copy;
    }
    if (kind == ZcDbLine::desc()) {
        std::unique_ptr<ZcDbLine> copy(static_cast<ZcDbLine*>(curve->clone()));
        copy->setStartPoint(onPlan(copy->startPoint()));
        copy->setEndPoint(onPlan(copy->endPoint()));
        return copy;
    }
    if (kind == ZcDbArc::desc()) {
        std::unique_ptr<ZcDbArc> copy(static_cast<ZcDbArc*>(curve->clone()));
        copy->setCenter(onPlan(copy->center()));
        return copy;
    }
    if (kind == ZcDbCircle::desc()) {
        std::unique_ptr<ZcDbCircle> copy(static_cast<ZcDbCircle*>(curve->clone()));
        copy->setCenter(onPlan(copy->center()));
        return copy;
    }
    if (kind == ZcDbSpline::desc()) {
        int degree = 0;
        bool rational = false, closed = false, periodic = false;
        ZcGePoint3dArray points;
        ZcGeDoubleArray knots, weights;
        double pointTol = 0.0, knotTol = 0.0;
        const auto* spline = static_cast<const ZcDbSpline*>(curve);
        if (spline->getNurbsData(degree, rational, closed, periodic, points, knots, weights, pointTol, knotTol) !=
            Zcad::eOk)
            return nullptr;
        for (int i = 0; i < points.length(); ++i) points[i].z = 0.0;
        auto copy = std::make_unique<ZcDbSpline>();
        if (copy->setNurbsData(degree, rational, closed, periodic, points, knots, weights, pointTol, knotTol) !=
            Zcad::eOk)
            return nullptr;
        return copy;
    }
    return nullptr;
}

}  // namespace

bool TrevanCom_PlanIntersect(ZcDbObjectId idA, ZcDbObjectId idB, int mode, ZcGePoint3d& point)
{
    // For write, as a change of the curves would be: a curve on a locked layer is refused.
    ZcDbObjectPointer<ZcDbCurve> a(idA, ZcDb::kForWrite);
    if (a.openStatus() != Zcad::eOk) return false;
    ZcDbObjectPointer<ZcDbCurve> b(idB, ZcDb::kForWrite);
    if (b.openStatus() != Zcad::eOk) return false;
    std::unique_ptr<ZcDbCurve> flatA = flattened(a.object());
    std::unique_ptr<ZcDbCurve> flatB = flattened(b.object());
    if (!flatA || !flatB) return false;
    ZcGePoint3dArray points;
    if (flatA->intersectWith(flatB.get(), intersectType(mode), points) != Zcad::eOk || points.isEmpty()) return false;
    point = points[0];
    return true;
}

int TrevanComARX_get_ipt_anotherz_curve()
{
    TrevanLispArgs args(TrevanLispArgs::kSilent);
    ZcDbObjectId idA, idB;
    int mode = 0;
    if (!args.entity(idA) || !args.entity(idB) || !args.integer(mode)) return args.fail();
    ZcGePoint3d p;
    if (!TrevanCom_PlanIntersect(idA, idB, mode, p)) return TrevanLispArgs::retNil();
    ads_point pt = {p.x, p.y, p.z};
    return TrevanLispArgs::retList(zcutBuildList(RT3DPOINT, pt, 0));
}
