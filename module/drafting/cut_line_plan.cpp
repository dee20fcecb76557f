#include "drafting/cut_line_plan.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/lisp_args.h"
#include "core/model_space_append.h"
#include "core/open_drawing.h"
#include "core/single_xdata.h"
#include "core/sss_point.h"
#include "drafting/frame_sections.h"
#include "settings/make_layer.h"

namespace {

enum class Cut { kHorizontal, kVertical };

// The cut line of that name, compared without regard to case; null when none.
const ZcDbCurve* namedCut(const ZcDbVoidPtrArray& cuts, const char* nameApp, const CString& wanted)
{
    for (int i = 0; i < cuts.length(); ++i) {
        auto* cut = static_cast<const ZcDbCurve*>(cuts[i]);
        CString name;
        if (TrevanComARX_GetXdataStr(cut, nameApp, name) != 0 && name.CompareNoCase(wanted) == 0) return cut;
    }
    return nullptr;
}

// One point per crossed section: its position, and the farthest half-breadth from the base
// point (horizontal cut) or the height of the first crossing above it (vertical cut).
std::vector<ZcGePoint3d> crossings(const ZcDbVoidPtrArray& sections, const ZcDbCurve& cut, Cut kind,
                                   const ZcGePoint3d& base)
{
    std::vector<ZcGePoint3d> out;
    for (int i = 0; i < sections.length(); ++i) {
        auto* section = static_cast<const ZcDbCurve*>(sections[i]);
        ZcGePoint3dArray hit;
        cut.intersectWith(section, ZcDb::kOnBothOperands, hit);
        if (hit.isEmpty()) continue;
        double value = hit[0].y - base.y;
        if (kind == Cut::kHorizontal) {
            value = 0.0;
            for (int k = 0; k < hit.length(); ++k) value = std::max(value, std::fabs(hit[k].x - base.x));
        }
        out.emplace_back(TrevanCom_FramePosition(section), value, 0.0);
    }
    // Along the ship; positions within 1e-5 count as one and go by the second value.
    std::sort(out.begin(), out.end(), [](const ZcGePoint3d& a, const ZcGePoint3d& b) {
        if (std::fabs(a.x - b.x) > 1e-5) return a.x < b.x;
        return a.y < b.y;
    });
    return out;
}

bool drawLine(const std::vector<ZcGePoint3d>& points, const CString& layer)
{
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    ZcDbLayerTable* layers = nullptr;
    bool known = false;
    if (db->getLayerTable(layers, ZcDb::kForRead) == Zcad::eOk) {
        known = layers->has(layer.GetString());
        layers->close();
    }
    if (!known && TrevanComARX_MakeLayer(layer, 7, "CONTINUOUS", -3, "", db) != 1) return false;
    ZcGePoint3dArray fit;
    for (const ZcGePoint3d& p : points) fit.append(p);
    auto* line = new ZcDbSpline(fit, 4, 0.0);
    line->setDatabaseDefaults(db);
    line->setLayer(layer.GetString());
    ZcDbObjectId id;
    if (TrevanCom_AppendToModelSpace(line, id, db)) return true;
    delete line;
    return false;
}

int makeLine(Cut kind)
{
    TrevanLispArgs args;
    CString file, cutName, layer;
    if (!args.str(file) || !args.str(cutName) || !args.str(layer)) return args.fail();
    int filter = 0;
    if (!args.integer(filter)) filter = 0;
    ZcDbDatabase* drawing = nullptr;
    if (TrevanComARX_OpenDwg(file.GetString(), drawing) == 0) {
        zcutPrintf("\nDWGオープンエラー");
        return TrevanLispArgs::retNil();
    }
    ZcGePoint3d base;
    if (TrevanComARX_GetSSSOpt(drawing, base) == 0) {
        zcutPrintf("\nSSS基点検索エラー");
        TrevanComARX_FreeDwg(drawing);
        return TrevanLispArgs::retNil();
    }
    ZcDbVoidPtrArray sections, cuts;
    if (kind == Cut::kHorizontal) TrevanComARX_GetAllFrameLineAndHLine(drawing, sections, cuts, filter);
    else TrevanComARX_GetAllFrameLineAndVLine(drawing, sections, cuts, filter);
    const ZcDbCurve* cut = namedCut(cuts, kind == Cut::kHorizontal ? "A_HCUTLINENAME" : "A_VCUTLINENAME", cutName);
    std::vector<ZcGePoint3d> points;
    if (cut != nullptr) points = crossings(sections, *cut, kind, base);
    else zcutPrintf("\n切断線 %s が見つかりません.", cutName.GetString());
    TrevanCom_CloseCurves(sections);
    TrevanCom_CloseCurves(cuts);
    TrevanComARX_FreeDwg(drawing);
    return TrevanLispArgs::retBool(points.size() >= 2 && drawLine(points, layer));
}

}  // namespace

int TrevanComARX_MakePlanLine() { return makeLine(Cut::kHorizontal); }

int TrevanComARX_MakeVerticalLine() { return makeLine(Cut::kVertical); }
