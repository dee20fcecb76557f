#include "hull_plan.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "TrevanCom2002.h"
#include "hull_sections.h"
#include "plan_layers.h"
#include "working_drawing.h"
#include "zrxhost/spaces.h"

namespace {

constexpr double kFrameSpace = 800.0;
constexpr int kFramesPerTank = 10;
constexpr double kTankLength = kFrameSpace * kFramesPerTank;
constexpr int kTanksPerPlan = 30;
constexpr double kHalfBreadth = 8000.0;
constexpr double kSideGirder = 4200.0;
constexpr double kLongSpace = 700.0;
// Plans stand one under another with room for their notes.
constexpr double kPlanPitch = 12000.0;

// Inboard longitudinals from the centre girder out: the heaviest where the bottom bends most.
const HullSection* const kLongitudinals[] = {&hull_sections::kLongT300x11_100x16, &hull_sections::kLongL250x90x10_15,
                                             &hull_sections::kLongL250x90x10_15, &hull_sections::kLongL200x90x9_14,
                                             &hull_sections::kLongBP200x10};
constexpr int kLongitudinalCount = sizeof kLongitudinals / sizeof kLongitudinals[0];
// Solid floors at the even frames inside the tank, the web frame at an odd one, clear of the
// longitudinals' name texts at mid-tank.
constexpr int kFloorCount = kFramesPerTank / 2 - 1;
constexpr int kWebFrame = 7;
// The outboard flat bar drawn as a dimension.
constexpr int kDimensionFrame = 4;
constexpr int kStiffenersPerTank = kLongitudinalCount + kFramesPerTank - 1 + kFloorCount + 1;
constexpr double kYMarkScale = 250.0;

ZcGePoint3d at(double x, double y) { return {x, y, 0.0}; }

// Hull dimensions: plotted at 1:50, in whole millimetres.
bool makeDimStyle(ZcDbDatabase* db, ZcDbObjectId& id)
{
    ZcDbObjectPointer<ZcDbDimStyleTable> table(db->dimStyleTableId(), ZcDb::kForWrite);
    if (table.openStatus() != Zcad::eOk) return false;
    if (table->getAt("HULL", id) == Zcad::eOk) return true;
    auto* style = new ZcDbDimStyleTableRecord;
    style->setName("HULL");
    style->setDimscale(50.0);
    style->setDimdec(0);
    if (table->add(id, style) != Zcad::eOk) {
        delete style;
        return false;
    }
    style->close();
    return true;
}

// The metric drawing's own style, as a plan started from the ISO template has it; the
// module derives its stiffener dimension styles from it. Made after everything else, so that
// the handles of the plan's entities do not depend on it.
bool makeIsoDimStyle(ZcDbDatabase* db)
{
    ZcDbObjectPointer<ZcDbDimStyleTable> table(db->dimStyleTableId(), ZcDb::kForWrite);
    if (table.openStatus() != Zcad::eOk) return false;
    if (table->has("ISO-25")) return true;
    auto* style = new ZcDbDimStyleTableRecord;
    style->setName("ISO-25");
    style->setDimasz(2.5);
    style->setDimcen(2.5);
    style->setDimdec(2);
    style->setDimdli(3.75);
    style->setDimexe(1.25);
    style->setDimexo(0.625);
    style->setDimgap(0.625);
    style->setDimtad(1);
    style->setDimtxt(2.5);
    style->setDimdsep(',');
    ZcDbObjectId id;
    if (table->add(id, style) != Zcad::eOk) {
        delete style;
        return false;
    }
    style->close();
    return true;
}

// The Y mark, one unit long from its base along +Y: a stem and two arms.
bool makeYMarkBlock(ZcDbDatabase* db, ZcDbObjectId& id)
{
    ZcDbObjectPointer<ZcDbBlockTable> table(db->blockTableId(), ZcDb::kForWrite);
    if (table.openStatus() != Zcad::eOk) return false;
    if (table->getAt("YMARK", id) == Zcad::eOk) return true;
    auto* block = new ZcDbBlockTableRecord;
    block->setName("YMARK");
    if (table->add(id, block) != Zcad::eOk) {
        delete block;
        return false;
    }
    for (ZcDbLine* stroke : {new ZcDbLine(at(0, 0), at(0, 0.5)), new ZcDbLine(at(0, 0.5), at(-0.3, 1)),
                             new ZcDbLine(at(0, 0.5), at(0.3, 1))}) {
        stroke->setColorIndex(0);
        if (block->appendZcDbEntity(stroke) != Zcad::eOk) {
            delete stroke;
            block->close();
            return false;
        }
        stroke->close();
    }
    block->close();
    return true;
}

// A slotted manhole: two straight sides and two half-circle ends.
ZcDbPolyline* manhole(double cx, double cy, double length, double width)
{
    auto* pl = new ZcDbPolyline;
    double h = length / 2 - width / 2, r = width / 2;
    pl->addVertexAt(0, ZcGePoint2d(cx - h, cy - r));
    pl->addVertexAt(1, ZcGePoint2d(cx + h, cy - r), 1.0);
    pl->addVertexAt(2, ZcGePoint2d(cx + h, cy + r));
    pl->addVertexAt(3, ZcGePoint2d(cx - h, cy + r), 1.0);
    pl->setClosed(true);
    return pl;
}

class PlanWriter {
public:
    PlanWriter(ZcDbDatabase* db, const PlanLayers& layers, ZcDbObjectId dimStyle, ZcDbObjectId yMark,
               HullPlanSummary& summary)
        : m_db(db), m_layers(layers), m_dimStyle(dimStyle), m_yMark(yMark), m_summary(summary),
          m_modelSpace(zrxhost::modelSpaceId(db), ZcDb::kForWrite)
    {
    }

    bool ready() const { return m_modelSpace.openStatus() == Zcad::eOk; }

    // Tank number `tank` (from 0) with up to `stiffeners` of its stiffeners; the fore
    // watertight floor only where no tank follows on the same plan.
    bool drawTank(long tank, int stiffeners, bool foreEnd, std::string& error)
    {
        const int col = static_cast<int>(tank % kTanksPerPlan);
        const double x0 = col * kTankLength, y0 = -static_cast<double>(tank / kTanksPerPlan) * kPlanPitch;
        const int frame0 = col * kFramesPerTank;
        if (col == 0) planTitle(tank / kTanksPerPlan, x0, y0);
        structure(x0, y0, foreEnd);
        notes(col, frame0, x0, y0, foreEnd);

        for (int j = 0; j < kLongitudinalCount && stiffeners > 0; ++j, --stiffeners) {
            const double y = y0 + kLongSpace * (j + 1);
            CStiffData rec = hullStiffenerRecord(*kLongitudinals[j], at(x0, y), at(x0 + kTankLength, y), "R,R");
            if (!stiffener(new ZcDbLine(rec.m_ptStart, rec.m_ptEnd), m_layers.longi, rec, error)) return false;
        }
        for (int i = 1; i < kFramesPerTank && stiffeners > 0; ++i, --stiffeners) {
            const double x = x0 + kFrameSpace * i;
            const ZcGePoint3d start = at(x, y0 + kSideGirder), end = at(x, y0 + kHalfBreadth);
            if (i == kDimensionFrame) {
                // Shown by its span; the name text tells the section, so the dimension shows none.
                const CStiffData rec = hullStiffenerRecord(hull_sections::kFB150x12, start, end, "L,L");
                auto* dim = new ZcDbAlignedDimension(start, end, end, " ", m_dimStyle);
                if (!stiffener(dim, m_layers.stiff, rec, error)) return false;
                continue;
            }
            const HullSection& section = i % 2 == 0  ? hull_sections::kFB150x12
                                         : i % 4 == 1 ? hull_sections::kL100x75x7
                                                      : hull_sections::kBP200x10;
            const CStiffData rec = hullStiffenerRecord(section, start, end, "L,L");
            ZcDbObjectId id;
            if (!stiffener(new ZcDbLine(start, end), m_layers.stiff, rec, error, &id)) return false;
            if (!yMarks(id, start, end, m_layers.stiff, error)) return false;
        }
        // Inboard transverse members from the centre line to the side girder, crossing every
        // longitudinal; a floor left out of the count is drawn as a plain line.
        for (int i = 2; i < kFramesPerTank; i += 2) {
            const double x = x0 + kFrameSpace * i;
            if (stiffeners-- <= 0) {
                add(new ZcDbLine(at(x, y0), at(x, y0 + kSideGirder)), m_layers.trans);
                continue;
            }
            const CStiffData rec = hullStiffenerRecord(hull_sections::kFloorPL12, at(x, y0), at(x, y0 + kSideGirder), "R,R");
            if (!stiffener(new ZcDbLine(rec.m_ptStart, rec.m_ptEnd), m_layers.trans, rec, error)) return false;
        }
        const double xWeb = x0 + kFrameSpace * kWebFrame;
        if (stiffeners-- <= 0) {
            add(new ZcDbLine(at(xWeb, y0), at(xWeb, y0 + kSideGirder)), m_layers.frame);
            return true;
        }
        const CStiffData web =
            hullStiffenerRecord(hull_sections::kWebT600x12_150x16, at(xWeb, y0), at(xWeb, y0 + kSideGirder), "L,L");
        return stiffener(new ZcDbLine(web.m_ptStart, web.m_ptEnd), m_layers.trans, web, error);
    }

private:
    // Appends to model space; the entity stays open for write for the caller to close.
    ZcDbEntity* append(ZcDbEntity* ent, ZcDbObjectId layer)
    {
        ent->setDatabaseDefaults(m_db);
        ent->setLayer(layer);
        if (m_modelSpace->appendZcDbEntity(ent) != Zcad::eOk) {
            delete ent;
            return nullptr;
        }
        ++m_summary.entities;
        return ent;
    }

    void add(ZcDbEntity* ent, ZcDbObjectId layer)
    {
        if (ZcDbEntity* appended = append(ent, layer)) appended->close();
    }

    bool stiffener(ZcDbEntity* ent, ZcDbObjectId layer, const CStiffData& rec, std::string& error,
                   ZcDbObjectId* id = nullptr)
    {
        ZcDbEntity* appended = append(ent, layer);
        const bool written = appended != nullptr && TrevanComARX_SetStiffdata(appended, rec);
        if (appended != nullptr) {
            if (id != nullptr) *id = appended->objectId();
            appended->close();
        }
        if (!written) {
            error = "the record of stiffener " + std::to_string(m_summary.stiffeners + 1) + " (" +
                    static_cast<const char*>(rec.m_strName) + ") cannot be written";
            return false;
        }
        ++m_summary.stiffeners;
        return true;
    }

    // A mark at each end, standing on the stiffener and pointing along it into the member;
    // the stiffener names each mark and each mark its stiffener.
    bool yMarks(ZcDbObjectId stiff, const ZcGePoint3d& start, const ZcGePoint3d& end, ZcDbObjectId layer,
                std::string& error)
    {
        const ZcGeVector3d along = end - start;
        const double angle = std::atan2(along.y, along.x);
        const CString stiffHandle = TrevanComARX_GetHandleName(stiff);
        struct End {
            ZcGePoint3d at;
            double rotation;
            const char *link, *backLink;
        };
        for (const End& e : {End{start, angle - M_PI / 2, "STIFF_SYMARK_HDNAME", "STIFF_SupportDraw_YMarkS"},
                             End{end, angle + M_PI / 2, "STIFF_EYMARK_HDNAME", "STIFF_SupportDraw_YMarkE"}}) {
            auto* mark = new ZcDbBlockReference(e.at, m_yMark);
            mark->setScaleFactors(ZcGeScale3d(kYMarkScale, kYMarkScale, kYMarkScale));
            mark->setRotation(e.rotation);
            ZcDbEntity* appended = append(mark, layer);
            if (appended == nullptr) {
                error = "a Y mark cannot be drawn";
                return false;
            }
            const CString markHandle = TrevanComARX_GetHandleName(appended->objectId());
            const bool linked = TrevanComARX_SetXdataStr(appended, e.backLink, stiffHandle) == 1;
            appended->close();
            if (!linked || TrevanComARX_SetXdataStr(stiff, e.link, markHandle) != 1) {
                error = std::string("a Y mark cannot be linked to stiffener ") + static_cast<const char*>(stiffHandle);
                return false;
            }
        }
        return true;
    }

    void structure(double x0, double y0, bool foreEnd)
    {
        add(new ZcDbLine(at(x0, y0), at(x0 + kTankLength, y0)), m_layers.center);
        add(new ZcDbLine(at(x0, y0 + kHalfBreadth), at(x0 + kTankLength, y0 + kHalfBreadth)), m_layers.shell);
        add(new ZcDbLine(at(x0, y0 + kSideGirder), at(x0 + kTankLength, y0 + kSideGirder)), m_layers.trans);
        for (int i = 0; i <= kFramesPerTank; ++i) {
            const double x = x0 + kFrameSpace * i;
            if (i == 0 || (i == kFramesPerTank && foreEnd)) {
                add(new ZcDbLine(at(x, y0), at(x, y0 + kHalfBreadth)), m_layers.trans);  // watertight floor
            } else if (i < kFramesPerTank && i % 2 == 1 && i != kWebFrame) {
                // Open frames between the floors; the floors and the web frame are stiffeners.
                add(new ZcDbLine(at(x, y0), at(x, y0 + kSideGirder)), m_layers.frame);
            }
        }
        // Access between the second and third longitudinals, clear of floors and frames.
        for (int i : {1, 5}) add(manhole(x0 + kFrameSpace * (i + 0.5), y0 + 2.5 * kLongSpace, 600, 400), m_layers.hole);
        add(new ZcDbAlignedDimension(at(x0, y0 + kHalfBreadth), at(x0 + kTankLength, y0 + kHalfBreadth),
                                     at(x0 + kTankLength / 2, y0 + kHalfBreadth + 600), nullptr, m_dimStyle),
            m_layers.dim);
    }

    void notes(int col, int frame0, double x0, double y0, bool foreEnd)
    {
        for (int i : {0, kFramesPerTank / 2, kFramesPerTank}) {
            if (i == kFramesPerTank && !foreEnd) continue;
            std::string name = "FR." + std::to_string(frame0 + i);
            add(new ZcDbText(at(x0 + kFrameSpace * i - 220, y0 - 400), name.c_str(), ZcDbObjectId::kNull, 120.0),
                m_layers.text);
        }
        std::string title = "No." + std::to_string(col + 1) + " W.B.TK (P)";
        add(new ZcDbText(at(x0 + 2800, y0 - 900), title.c_str(), ZcDbObjectId::kNull, 200.0), m_layers.text);
    }

    void planTitle(long plan, double x0, double y0)
    {
        std::string title = "DOUBLE BOTTOM PLAN (P)";
        if (plan > 0) title += "  SHEET " + std::to_string(plan + 1);
        add(new ZcDbText(at(x0, y0 - 1600), title.c_str(), ZcDbObjectId::kNull, 250.0), m_layers.text);
    }

    ZcDbDatabase* m_db;
    const PlanLayers& m_layers;
    ZcDbObjectId m_dimStyle;
    ZcDbObjectId m_yMark;
    HullPlanSummary& m_summary;
    ZcDbObjectPointer<ZcDbBlockTableRecord> m_modelSpace;
};


}  // namespace

bool drawHullPlan(ZcDbDatabase* db, const HullPlanOptions& options, HullPlanSummary& summary, std::string& error)
{
    summary = HullPlanSummary{};
    if (db == nullptr) {
        error = "no drawing to draw in";
        return false;
    }
    if (options.stiffeners < 1) {
        error = "the number of stiffeners must be at least 1";
        return false;
    }
    WorkingDrawing working(db);
    PlanLayers layers;
    if (!makePlanLayers(db, layers, error)) return false;
    ZcDbObjectId dimStyle;
    if (!makeDimStyle(db, dimStyle)) {
        error = "the dimension style HULL cannot be made";
        return false;
    }
    ZcDbObjectId yMark;
    if (!makeYMarkBlock(db, yMark)) {
        error = "the block YMARK cannot be made";
        return false;
    }
    PlanWriter writer(db, layers, dimStyle, yMark, summary);
    if (!writer.ready()) {
        error = "model space cannot be opened";
        return false;
    }
    const long tanks = (options.stiffeners + kStiffenersPerTank - 1) / kStiffenersPerTank;
    long left = options.stiffeners;
    for (long t = 0; t < tanks; ++t) {
        const bool foreEnd = t + 1 == tanks || (t + 1) % kTanksPerPlan == 0;
        const int here = static_cast<int>(std::min<long>(left, kStiffenersPerTank));
        if (!writer.drawTank(t, here, foreEnd, error)) return false;
        left -= here;
    }
    if (!makeIsoDimStyle(db)) {
        error = "the dimension style ISO-25 cannot be made";
        return false;
    }
    return true;
}
