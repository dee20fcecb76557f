#include "drafting/frame_line_checks.h"

#include <cmath>

#include "core/lisp_args.h"

namespace {

enum class Straight { kYes, kNotOpened, kRefused };

// Whether the entity is a straight line, with its ends; prints why not.
Straight straightLine(ZcDbObjectId id, ZcGePoint3d& start, ZcGePoint3d& end)
{
    ZcDbObjectPointer<ZcDbCurve> curve(id, ZcDb::kForRead);
    if (curve.openStatus() != Zcad::eOk) return Straight::kNotOpened;
    if (auto* line = ZcDbLine::cast(curve.object())) {
        start = line->startPoint();
        end = line->endPoint();
        return Straight::kYes;
    }
    if (auto* polyline = ZcDbPolyline::cast(curve.object())) {
        if (polyline->numVerts() != 2) {
            zcutPrintf("\n選択ポリラインの頂点数が2つではありません.");
            return Straight::kRefused;
        }
        double bulge = 0.0;
        polyline->getBulgeAt(0, bulge);
        if (std::fabs(bulge) > 1e-6) {
            zcutPrintf("\nポリラインが直線ではありません.");
            return Straight::kRefused;
        }
        polyline->getPointAt(0, start);
        polyline->getPointAt(1, end);
        return Straight::kYes;
    }
    zcutPrintf("\n選択図形が線分またはポリラインではありません.");
    return Straight::kRefused;
}

}  // namespace

int TrevanComARX_CheckLine()
{
    TrevanLispArgs args;
    ZcDbObjectId id;
    if (!args.entity(id)) return args.fail();
    ZcGePoint3d start, end;
    return TrevanLispArgs::retBool(straightLine(id, start, end) == Straight::kYes);
}

int TrevanComARX_CheckWarikomiAB()
{
    TrevanLispArgs args;
    ZcDbObjectId id;
    if (!args.entity(id)) return args.fail();
    ZcGePoint3d start, end;
    if (straightLine(id, start, end) != Straight::kYes) return TrevanLispArgs::retNil();
    if (std::fabs(end.y - start.y) > 0.001 + 1e-12) {
        zcutPrintf("\n選択図形が水平ではありません.");
        return TrevanLispArgs::retNil();
    }
    return TrevanLispArgs::retT();
}
