#include "shell_section.h"

#include <cmath>
#include <cstdio>

#include "TrevanCom2002.h"
#include "hull_sections.h"
#include "plan_layers.h"
#include "working_drawing.h"
#include "zrxhost/spaces.h"

namespace {

// Principal dimensions (mm): half breadth, depth at side, bilge radius, deck camber.
constexpr double kHalfBreadth = 16120.0;
constexpr double kDepth = 18000.0;
constexpr double kBilgeRadius = 2200.0;
constexpr double kCamber = 300.0;
// The side flares out by this much between the bilge and the deck.
constexpr double kFlare = 160.0;
constexpr double kLongSpace = 850.0;
constexpr double kHalfPi = 1.5707963267948966;

ZcGePoint3d at(double x, double y) { return {x, y, 0.0}; }

class SectionWriter {
public:
    SectionWriter(ZcDbDatabase* db, const PlanLayers& layers, ShellSectionSummary& summary)
        : m_layers(layers), m_summary(summary), m_modelSpace(zrxhost::modelSpaceId(db), ZcDb::kForWrite)
    {
    }
    bool ready() const { return m_modelSpace.openStatus() == Zcad::eOk; }

    ZcDbObjectId add(ZcDbEntity* ent, ZcDbObjectId layer)
    {
        ent->setLayer(layer);
        ZcDbObjectId id;
        if (m_modelSpace->appendZcDbEntity(id, ent) != Zcad::eOk) {
            delete ent;
            return id;
        }
        ent->close();
        ++m_summary.entities;
        return id;
    }
    void text(double x, double y, double height, const std::string& value, double rotation = 0.0)
    {
        add(new ZcDbText(at(x, y), value.c_str(), ZcDbObjectId::kNull, height, rotation), m_layers.text);
    }

    // The shell: bottom polyline, bilge arc, side spline; then deck, centre line and base line.
    void shell()
    {
        const double bilgeX = kHalfBreadth - kBilgeRadius;
        auto* bottom = new ZcDbPolyline;
        bottom->addVertexAt(0, ZcGePoint2d(0, 0));
        bottom->addVertexAt(1, ZcGePoint2d(bilgeX, 0));
        add(bottom, m_layers.shell);
        add(new ZcDbArc(at(bilgeX, kBilgeRadius), kBilgeRadius, -kHalfPi, 0.0), m_layers.shell);
        ZcGePoint3dArray fit;
        for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) fit.append(sidePoint(kBilgeRadius + t * (kDepth - kBilgeRadius)));
        ZcGeVector3d up(0, 1, 0);
        auto* side = new ZcDbSpline(fit, up, ZcGeVector3d(2 * kFlare / (kDepth - kBilgeRadius), 1, 0).normal(), 4, 0.0);
        m_side = add(side, m_layers.shell);
        add(new ZcDbLine(at(0, kDepth + kCamber), sidePoint(kDepth)), m_layers.shell);
        add(new ZcDbLine(at(0, -1000), at(0, kDepth + kCamber + 1000)), m_layers.center);
        add(new ZcDbLine(at(-500, 0), at(kHalfBreadth + 1000, 0)), m_layers.frame);
        text(300, kDepth + kCamber + 300, 250, "UPPER DECK");
        text(300, -600, 250, "B.L.");
        text(kHalfBreadth - 6000, -2200, 400, "MIDSHIP SECTION  FR.120");
    }

    // A longitudinal standing on the shell at the foot, its web along the inward normal and
    // its face turned towards `faceSide` (a unit vector across the web).
    bool longitudinal(const char* mark, const HullSection& section, ZcGePoint3d foot, ZcGeVector3d inward,
                      ZcGeVector3d faceSide, std::string& error)
    {
        const ZcGePoint3d top = foot + inward * section.webWidth;
        auto* pl = new ZcDbPolyline;
        pl->addVertexAt(0, ZcGePoint2d(foot.x, foot.y));
        pl->addVertexAt(1, ZcGePoint2d(top.x, top.y));
        if (section.faceWidth > 0) {
            const ZcGePoint3d face = top + faceSide * section.faceWidth;
            pl->addVertexAt(2, ZcGePoint2d(face.x, face.y));
        }
        // The record of one metre of the member: its weight is its unit mass.
        const CStiffData stiff = hullStiffenerRecord(section, foot, foot + ZcGeVector3d(0, 0, 1000), "R,R");
        CLongData record;
        record.setData(stiff, mark);
        record.m_strRes1 = mark;
        record.m_strNewRes1 = section.material;
        pl->setLayer(m_layers.longi);
        if (m_modelSpace->appendZcDbEntity(pl) != Zcad::eOk) {
            delete pl;
            error = std::string("longitudinal ") + mark + " cannot be drawn";
            return false;
        }
        const bool written = record.getData(pl, "LONG");
        pl->close();
        ++m_summary.entities;
        if (!written) {
            error = std::string("the record of longitudinal ") + mark + " cannot be written";
            return false;
        }
        ++m_summary.longitudinals;
        // The mark reads along a bottom web, and ends just inboard of a side web.
        const std::string label = std::string(mark) + " " + section.name;
        if (inward.x > -0.3) {
            text(top.x + 45, top.y + 120, 100, label, kHalfPi);
        } else {
            const double width = 0.75 * 100 * static_cast<double>(label.size());
            text(top.x - 250 - width, top.y - 50, 100, label);
        }
        return true;
    }

    // The side shell at a height: the spline's own point, so that a foot lies on it.
    ZcGePoint3d sideFoot(double y, ZcGeVector3d& inward) const
    {
        ZcDbObjectPointer<ZcDbSpline> side(m_side, ZcDb::kForRead);
        ZcDbLine across(at(0, y), at(kHalfBreadth + 2 * kFlare, y));
        ZcGePoint3dArray points;
        if (side.openStatus() != Zcad::eOk || side->intersectWith(&across, ZcDb::kOnBothOperands, points) != Zcad::eOk ||
            points.length() == 0) {
            inward = ZcGeVector3d(-1, 0, 0);
            return sidePoint(y);
        }
        double param = 0;
        ZcGeVector3d tangent;
        side->getParamAtPoint(points[0], param);
        side->getFirstDeriv(param, tangent);
        inward = ZcGeVector3d(-tangent.y, tangent.x, 0).normal();
        return points[0];
    }

private:
    static ZcGePoint3d sidePoint(double y)
    {
        const double t = (y - kBilgeRadius) / (kDepth - kBilgeRadius);
        return at(kHalfBreadth + kFlare * t * t, y);
    }

    const PlanLayers& m_layers;
    ShellSectionSummary& m_summary;
    ZcDbObjectPointer<ZcDbBlockTableRecord> m_modelSpace;
    ZcDbObjectId m_side;
};


}  // namespace

bool drawShellSection(ZcDbDatabase* db, ShellSectionSummary& summary, std::string& error)
{
    const WorkingDrawing working(db);
    PlanLayers layers;
    if (!makePlanLayers(db, layers, error)) return false;
    SectionWriter out(db, layers, summary);
    if (!out.ready()) {
        error = "model space cannot be opened for write";
        return false;
    }
    out.shell();
    char mark[16];
    // Bottom longitudinals BL1.. from the centre girder out, faces towards the centre line.
    int n = 0;
    for (double x = kLongSpace; x <= kHalfBreadth - kBilgeRadius - 400; x += kLongSpace) {
        std::snprintf(mark, sizeof mark, "BL%d", ++n);
        const HullSection& s = n <= 6 ? hull_sections::kLongT300x11_100x16 : hull_sections::kLongL250x90x10_15;
        if (!out.longitudinal(mark, s, at(x, 0), ZcGeVector3d(0, 1, 0), ZcGeVector3d(-1, 0, 0), error)) return false;
    }
    // Bilge longitudinals on the arc, square to it.
    const ZcGePoint3d centre = at(kHalfBreadth - kBilgeRadius, kBilgeRadius);
    n = 0;
    for (double a : {-1.2, -0.8, -0.4}) {
        std::snprintf(mark, sizeof mark, "KL%d", ++n);
        const ZcGeVector3d out_(std::cos(a), std::sin(a), 0);
        const ZcGeVector3d across(-out_.y, out_.x, 0);
        if (!out.longitudinal(mark, hull_sections::kLongL250x90x10_15, centre + out_ * kBilgeRadius, -out_, -across,
                              error))
            return false;
    }
    // Side longitudinals SL1.. upwards, faces down, lighter towards the deck.
    n = 0;
    for (double y = kBilgeRadius + 600; y <= kDepth - 700; y += kLongSpace) {
        std::snprintf(mark, sizeof mark, "SL%d", ++n);
        ZcGeVector3d inward;
        const ZcGePoint3d foot = out.sideFoot(y, inward);
        const HullSection& s = y < 9000 ? hull_sections::kLongL250x90x10_15
                               : y < 14000 ? hull_sections::kLongL200x90x9_14
                                           : hull_sections::kLongBP200x10;
        if (!out.longitudinal(mark, s, foot, inward, ZcGeVector3d(0, -1, 0), error)) return false;
    }
    return true;
}
