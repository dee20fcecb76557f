#include "hull_plan.h"

#include <algorithm>
#include <string>

#include "TrevanCom2002.h"
#include "hull_sections.h"
#include "plan_layers.h"
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
constexpr int kStiffenersPerTank = kLongitudinalCount + kFramesPerTank - 1;

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
    PlanWriter(ZcDbDatabase* db, const PlanLayers& layers, ZcDbObjectId dimStyle, HullPlanSummary& summary)
        : m_db(db), m_layers(layers), m_dimStyle(dimStyle), m_summary(summary),
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
            ZcDbEntity* ent = nullptr;
            CStiffData rec;
            if (i % 2 == 0) {
                // Flat bars in line with the floors, shown by their span.
                rec = hullStiffenerRecord(hull_sections::kFB150x12, start, end, "L,L");
                ent = new ZcDbAlignedDimension(start, end, end, hull_sections::kFB150x12.name, m_dimStyle);
            } else {
                rec = hullStiffenerRecord(i % 4 == 1 ? hull_sections::kL100x75x7 : hull_sections::kBP200x10, start,
                                          end, "L,L");
                ent = new ZcDbLine(start, end);
            }
            if (!stiffener(ent, m_layers.stiff, rec, error)) return false;
        }
        return true;
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

    bool stiffener(ZcDbEntity* ent, ZcDbObjectId layer, const CStiffData& rec, std::string& error)
    {
        ZcDbEntity* appended = append(ent, layer);
        const bool written = appended != nullptr && TrevanComARX_SetStiffdata(appended, rec);
        if (appended != nullptr) appended->close();
        if (!written) {
            error = "the record of stiffener " + std::to_string(m_summary.stiffeners + 1) + " (" +
                    static_cast<const char*>(rec.m_strName) + ") cannot be written";
            return false;
        }
        ++m_summary.stiffeners;
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
            } else if (i < kFramesPerTank) {
                // Solid floors at every second frame, open frames between.
                add(new ZcDbLine(at(x, y0), at(x, y0 + kSideGirder)), i % 2 == 0 ? m_layers.trans : m_layers.frame);
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
    HullPlanSummary& m_summary;
    ZcDbObjectPointer<ZcDbBlockTableRecord> m_modelSpace;
};

// The working drawing for as long as the plan is drawn.
class WorkingDrawing {
public:
    explicit WorkingDrawing(ZcDbDatabase* db) : m_previous(zcdbHostApplicationServices()->workingDatabase())
    {
        zcdbHostApplicationServices()->setWorkingDatabase(db);
    }
    ~WorkingDrawing() { zcdbHostApplicationServices()->setWorkingDatabase(m_previous); }
    WorkingDrawing(const WorkingDrawing&) = delete;
    WorkingDrawing& operator=(const WorkingDrawing&) = delete;

private:
    ZcDbDatabase* m_previous;
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
    PlanWriter writer(db, layers, dimStyle, summary);
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
    return true;
}
