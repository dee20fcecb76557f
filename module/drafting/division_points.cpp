#include "drafting/division_points.h"

#include <cmath>
#include <memory>
#include <vector>

#include "core/layer_status.h"
#include "core/lisp_args.h"
#include "core/model_space_append.h"
#include "core/selection_ids.h"
#include "core/single_xdata.h"
#include "drafting/frame_interpolation.h"
#include "drafting/frame_sections.h"

namespace {

// A copy of an entity of the drawing; null when it does not open as a curve.
std::unique_ptr<ZcDbCurve> copyOf(ZcDbObjectId id)
{
    ZcDbObjectPointer<ZcDbCurve> curve(id, ZcDb::kForRead);
    if (curve.openStatus() != Zcad::eOk) return nullptr;
    return std::unique_ptr<ZcDbCurve>(static_cast<ZcDbCurve*>(curve->clone()));
}

// Onto the plan: a line's ends and a polyline's elevation at zero; other curves as drawn.
void flatten(ZcDbCurve& curve)
{
    if (auto* line = ZcDbLine::cast(&curve)) {
        ZcGePoint3d s = line->startPoint(), e = line->endPoint();
        line->setStartPoint(ZcGePoint3d(s.x, s.y, 0.0));
        line->setEndPoint(ZcGePoint3d(e.x, e.y, 0.0));
    } else if (auto* polyline = ZcDbPolyline::cast(&curve)) {
        polyline->setElevation(0.0);
    }
}

// A layer unlocked for as long as the guard lives, its lock put back after.
class Unlocked {
public:
    explicit Unlocked(const char* layer) : m_layer(layer)
    {
        m_held = TrevanComARX_GetLayerStatus(layer, m_saved);
        if (!m_held || !m_saved.m_bLocked) return;
        CLayerStatus open = m_saved;
        open.m_bLocked = false;
        TrevanComARX_SetLayerStatus(layer, open);
    }
    ~Unlocked()
    {
        if (m_held) TrevanComARX_SetLayerStatus(m_layer.GetString(), m_saved);
    }
    Unlocked(const Unlocked&) = delete;
    Unlocked& operator=(const Unlocked&) = delete;

private:
    CString m_layer;
    CLayerStatus m_saved;
    bool m_held = false;
};

CString currentLayer()
{
    resbuf rb{};
    if (zcedGetVar("CLAYER", &rb) != RTNORM || rb.restype != RTSTR) return CString();
    CString name(rb.resval.rstring);
    zcutDelString(rb.resval.rstring);
    return name;
}

// "25" with offset 25.0 is "25+250"; with -12.5, "25-125".
CString sectionName(const CString& base, double offset)
{
    CString name;
    name.Format(offset >= 0.0 ? "%s+%.0f" : "%s-%.0f", base.GetString(), std::fabs(offset) * 10.0);
    return name;
}

void markInterpolated(ZcDbEntity* section, const CString& name, double position)
{
    TrevanComARX_SetXdataStr(section, "BREAKINTOLINE", "DMY");
    TrevanComARX_SetXdataStr(section, CString("WFRMNO-" + name).GetString(), "dmy");
    TrevanComARX_SetXdataStr(section, "A_FNAM", name.GetString());
    TrevanComARX_SetXdataStr(section, "LINENAME", name.GetString());
    TrevanComARX_SetXdataReal(section, "A_KYOD", position);
}

}  // namespace

int TrevanComARX_GetDivLinePoints()
{
    TrevanLispArgs args;
    ZcDbObjectId baseId, aId, bId;
    ads_name set;
    double offset = 0.0;
    int division = 0;
    ZcGePoint3d from;
    if (!args.entity(baseId) || !args.pickSet(set) || !args.entity(aId) || !args.entity(bId) ||
        !args.realOrInt(offset) || !args.integer(division) || !args.point(from))
        return args.fail();
    if (division < 1) {
        zcutPrintf("\n分割数が0より小さいです.");
        return TrevanLispArgs::retNil();
    }
    std::unique_ptr<ZcDbCurve> base = copyOf(baseId);
    if (!base) {
        zcutPrintf("\n基準線分オープンエラー");
        return TrevanLispArgs::retNil();
    }
    std::unique_ptr<ZcDbCurve> lineA = copyOf(aId);
    if (!lineA) {
        zcutPrintf("\nA線分オープンエラー");
        return TrevanLispArgs::retNil();
    }
    std::unique_ptr<ZcDbCurve> lineB = copyOf(bId);
    if (!lineB) {
        zcutPrintf("\nB線分オープンエラー");
        return TrevanLispArgs::retNil();
    }
    CString baseName;
    TrevanComARX_GetXdataStr(base.get(), "A_FNAM", baseName);
    const double position = TrevanCom_FramePosition(base.get()) + offset;

    std::vector<std::unique_ptr<ZcDbCurve>> copies;
    std::vector<FrameSample> samples;
    ZcDbObjectIdArray ids = TrevanSelectionIds(set);
    for (int i = 0; i < ids.length(); ++i) {
        if (auto copy = copyOf(ids[i])) {
            flatten(*copy);
            samples.push_back({copy.get(), TrevanCom_FramePosition(copy.get())});
            copies.push_back(std::move(copy));
        }
    }
    flatten(*lineA);
    flatten(*lineB);

    char* raw = base->layer();
    const CString layer(raw);
    zcutDelString(raw);
    Unlocked baseLayer(layer.GetString());
    std::vector<ZcGePoint3d> points;
    {
        Unlocked current(currentLayer().GetString());
        points = TrevanCom_InterpolatedSection(samples, *lineA, *lineB, division, position, from);
    }
    if (points.size() < 2) {
        zcutPrintf("\n指定した基準ﾌﾚｰﾑとA・B線分の交点が見つかりませんでした.");
        return TrevanLispArgs::retNil();
    }
    ZcGePoint3dArray fit;
    for (const ZcGePoint3d& p : points) fit.append(p);
    auto* section = new ZcDbSpline(fit, 4, 0.0);
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    section->setDatabaseDefaults(db);
    section->setLayer(layer.GetString());
    section->setColorIndex(base->colorIndex());
    section->setLinetype(base->linetypeId());
    section->setLinetypeScale(base->linetypeScale());
    section->setLineWeight(base->lineWeight());
    markInterpolated(section, sectionName(baseName, offset), position);
    ZcDbObjectId id;
    if (!TrevanCom_AppendToModelSpace(section, id, db)) delete section;
    return TrevanLispArgs::retNil();
}

namespace {

// Ordered by longitudinal position, by repeated minimum: a section replaces the minimum
// only when strictly smaller, so equal positions keep the pick order, and sections without
// a position come last.
ZcDbObjectIdArray byPosition(ZcDbObjectIdArray ids)
{
    struct Entry {
        ZcDbObjectId id;
        bool known;
        double position;
    };
    std::vector<Entry> left;
    for (int i = 0; i < ids.length(); ++i) {
        ZcDbObjectPointer<ZcDbEntity> e(ids[i], ZcDb::kForRead);
        double position = 0.0;
        bool known = e.openStatus() == Zcad::eOk && TrevanComARX_GetXdataReal(e.object(), "A_KYOD", position) != 0;
        left.push_back({ids[i], known, position});
    }
    ZcDbObjectIdArray out;
    while (!left.empty()) {
        size_t best = 0;
        for (size_t k = 1; k < left.size(); ++k) {
            if (left[k].known && (!left[best].known || left[k].position < left[best].position)) best = k;
        }
        out.append(left[best].id);
        left.erase(left.begin() + static_cast<std::ptrdiff_t>(best));
    }
    return out;
}

bool interpolated(ZcDbObjectId id)
{
    ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
    CString mark;
    return e.openStatus() == Zcad::eOk && TrevanComARX_GetXdataStr(e.object(), "BREAKINTOLINE", mark) != 0;
}

}  // namespace

int TrevanComARX_SSGetBNLines()
{
    TrevanLispArgs args;
    ZcDbObjectId baseId;
    if (!args.entity(baseId)) return args.fail();
    const char* prompts[2] = {"補完する前後のﾌﾚｰﾑを指示:", "除外する補完する前後のﾌﾚｰﾑを指示:"};
    for (;;) {
        resbuf* filter = zcutBuildList(-4, "<OR", RTDXF0, "LWPOLYLINE", RTDXF0, "SPLINE", -4, "OR>", -3, 1001, "A_FNAM", 0);
        ads_name picked;
        int rc = zcedSSGet(":$", prompts, nullptr, filter, picked);
        zcutRelRb(filter);
        if (rc != RTNORM) return TrevanLispArgs::retNil();
        ZcDbObjectIdArray ids = TrevanSelectionIds(picked);
        zcedSSFree(picked);
        ZcDbObjectIdArray kept;
        for (int i = 0; i < ids.length(); ++i) {
            if (ids[i] != baseId && !interpolated(ids[i])) kept.append(ids[i]);
        }
        if (kept.isEmpty()) {
            zcutPrintf("\n基準ﾌﾚｰﾑ・割り込みで作成したﾌﾚｰﾑ以外を指示してください.");
            continue;
        }
        ads_name result;
        zcedSSAdd(nullptr, nullptr, result);
        for (const ZcDbObjectId& id : byPosition(kept)) {
            ads_name name;
            if (zcdbGetAdsName(name, id) == Zcad::eOk) zcedSSAdd(name, result, result);
        }
        return TrevanLispArgs::retName(result, RTPICKS);
    }
}
