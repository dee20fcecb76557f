#include "drafting/curve_to_polyline.h"

#include "core/lisp_args.h"
#include "core/model_space_append.h"

namespace {

enum class Outcome { kDone, kTooShort, kFailed };

// The curve's length, false when it has none the host can measure.
bool lengthOf(ZcDbObjectId curveId, double& length)
{
    ZcDbObjectPointer<ZcDbCurve> curve(curveId, ZcDb::kForRead);
    if (curve.openStatus() != Zcad::eOk) return false;
    double end = 0.0;
    return curve->getEndParam(end) == Zcad::eOk && curve->getDistAtParam(end, length) == Zcad::eOk;
}

Outcome replace(ZcDbObjectId curveId, double spacing)
{
    double length = 0.0;
    if (!lengthOf(curveId, length)) return Outcome::kFailed;
    if (!(length > spacing)) return Outcome::kTooShort;
    // A spacing this small would give more vertices than a polyline holds.
    if (!(spacing > 0.0) || length / spacing > 1e7) return Outcome::kFailed;
    auto* polyline = new ZcDbPolyline;
    ZcDbDatabase* db = nullptr;
    {
        ZcDbObjectPointer<ZcDbCurve> curve(curveId, ZcDb::kForRead);
        if (curve.openStatus() != Zcad::eOk) {
            delete polyline;
            return Outcome::kFailed;
        }
        ZcGePoint3d p;
        // Accumulated by addition, so the last vertex before the end may fall just short.
        for (double d = 0.0; d < length; d += spacing) {
            if (curve->getPointAtDist(d, p) != Zcad::eOk) {
                delete polyline;
                return Outcome::kFailed;
            }
            polyline->addVertexAt(polyline->numVerts(), ZcGePoint2d(p.x, p.y));
        }
        curve->getEndPoint(p);
        polyline->addVertexAt(polyline->numVerts(), ZcGePoint2d(p.x, p.y));
        polyline->setColor(curve->color());
        polyline->setLayer(curve->layerId());
        polyline->setLinetype(curve->linetypeId());
        db = curve->database();
    }
    ZcDbObjectId polylineId;
    if (!TrevanCom_AppendToModelSpace(polyline, polylineId, db)) {
        delete polyline;
        return Outcome::kFailed;
    }
    ZcDbObjectPointer<ZcDbEntity> curve(curveId, ZcDb::kForWrite);
    if (curve.openStatus() == Zcad::eOk) curve->erase();
    return Outcome::kDone;
}

int report(Outcome outcome)
{
    if (outcome == Outcome::kTooShort) zcutPrintf("\n引数エラー 引数の長さが長すぎます!");
    return TrevanLispArgs::retNone();
}

}  // namespace

bool TrevanCom_CurveToPolyline(ZcDbObjectId curveId, double spacing)
{
    return replace(curveId, spacing) == Outcome::kDone;
}

int TrevanComARX_SplToPolyDist()
{
    TrevanLispArgs args;
    ZcDbObjectId id;
    double spacing = 0.0;
    if (!args.entity(id) || !args.real(spacing)) return args.fail();
    return report(replace(id, spacing));
}

int TrevanComARX_SplToPolyDiv()
{
    TrevanLispArgs args(TrevanLispArgs::kNumbered);
    ZcDbObjectId id;
    int parts = 0;
    if (!args.entity(id) || !args.integer(parts)) return args.fail();
    if (parts < 2) {
        zcutPrintf("\n引数エラー 分割数は２以上にして下さい!");
        return TrevanLispArgs::retNone();
    }
    double length = 0.0;
    if (!lengthOf(id, length)) return TrevanLispArgs::retNone();
    return report(replace(id, length / parts));
}
