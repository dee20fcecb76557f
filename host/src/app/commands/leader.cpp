// LEADER: a leader through the answered points, with its annotation text beside the last.
#include <cstring>
#include <string>
#include <vector>

#include "app/commands/command_support.h"
#include "app/commands/commands.h"
#include "geom/text_metrics.h"
#include "zrx/ed_input.h"

namespace zrxhost::app {

void leaderCommand()
{
    if (!needDrawing()) return;
    std::vector<ZcGePoint3d> pts;
    ads_point p;
    if (zcedGetPoint(nullptr, "\nSpecify leader start point: ", p) != RTNORM) return;
    pts.push_back(toPoint(p));
    ads_point base = {p[X], p[Y], p[Z]};
    if (zcedGetPoint(base, "\nSpecify next point: ", p) != RTNORM) return;
    pts.push_back(toPoint(p));
    bool spline = false, arrow = true;
    for (;;) {
        ads_point from = {pts.back().x, pts.back().y, pts.back().z};
        zcedInitGet(0, "Annotation Format Undo");
        int rc = zcedGetPoint(from, "\nSpecify next point or [Annotation/Format/Undo] <Annotation>: ", p);
        if (rc == RTCAN) return;
        if (rc == RTNORM) {
            pts.push_back(toPoint(p));
            continue;
        }
        if (rc == RTKWORD) {
            char kw[32];
            zcedGetInput(kw);
            if (std::strcmp(kw, "Undo") == 0) {
                if (pts.size() > 2) pts.pop_back();
                continue;
            }
            if (std::strcmp(kw, "Format") == 0) {
                zcedInitGet(0, "Spline STraight Arrow None");
                char opt[32];
                rc = zcedGetKword("\nEnter leader format option [Spline/STraight/Arrow/None] <Exit>: ", opt);
                if (rc == RTCAN) return;
                if (rc == RTNORM) {
                    if (std::strcmp(opt, "Spline") == 0) spline = true;
                    if (std::strcmp(opt, "STraight") == 0) spline = false;
                    if (std::strcmp(opt, "Arrow") == 0) arrow = true;
                    if (std::strcmp(opt, "None") == 0) arrow = false;
                }
                continue;
            }
        }
        break;  // Enter or Annotation
    }
    std::vector<std::string> lines;
    char text[512];
    int rc = zcedGetString(1, "\nEnter first line of annotation text or <options>: ", text, sizeof text);
    if (rc == RTCAN) return;
    if (text[0] != '\0') {
        lines.emplace_back(text);
        for (;;) {
            rc = zcedGetString(1, "\nEnter next line of annotation text: ", text, sizeof text);
            if (rc == RTCAN) return;
            if (text[0] == '\0') break;
            lines.emplace_back(text);
        }
    } else {
        // Multiline text needs the text editor; a headless host offers what needs none.
        zcedInitGet(0, "None");
        char opt[32];
        rc = zcedGetKword("\nEnter an annotation option [None] <None>: ", opt);
        if (rc == RTCAN) return;
    }

    auto* leader = new ZcDbLeader;
    for (const ZcGePoint3d& q : pts) leader->appendVertex(toWorld(q));
    if (spline) leader->setToSplineLeader();
    if (!arrow) leader->disableArrowHead();
    leader->setDimensionStyle(working()->dimstyle());
    // The arrow grows with the drawing's scale, as DIMASZ times DIMSCALE does.
    double dimscale = realVar("DIMSCALE", 1.0);
    if (dimscale > 0 && dimscale != 1.0) leader->setDimasz(realVar("DIMASZ", 2.5) * dimscale);
    ZcDbObjectId leaderId = append(leader);
    if (lines.empty() || leaderId.isNull()) return;

    // The text sits beside the last vertex, on the side the leader points to, as the
    // platform places a leader's annotation.
    double scale = realVar("DIMSCALE", 1.0);
    double dimtxt = 2.5;
    {
        ZcDbObjectPointer<ZcDbDimStyleTableRecord> style(working()->dimstyle(), ZcDb::kForRead);
        if (style.openStatus() == Zcad::eOk) dimtxt = style->dimtxt();
    }
    double h = dimtxt * (scale > 0 ? scale : 1.0);
    double gap = 0.625 * (scale > 0 ? scale : 1.0);
    bool right = pts.back().x >= pts[pts.size() - 2].x;
    ZcDbObjectId first;
    for (size_t i = 0; i < lines.size(); ++i) {
        double y = pts.back().y - h / 2 - static_cast<double>(i) * h * 5.0 / 3.0;
        double width = zrx::geom::textWidth(lines[i], h, 1.0);
        double x = right ? pts.back().x + gap : pts.back().x - gap - width;
        auto* t = new ZcDbText(toWorld(ZcGePoint3d(x, y, pts.back().z)), lines[i].c_str(), ZcDbObjectId::kNull, h,
                               ucsAngle());
        ZcDbObjectId id = append(t);
        if (i == 0) first = id;
    }
    ZcDbObjectPointer<ZcDbLeader> l(leaderId, ZcDb::kForWrite);
    if (l.openStatus() == Zcad::eOk) l->attachAnnotation(first);
}

// The block an -INSERT answer names: a block of the drawing, or a drawing file whose model

}  // namespace zrxhost::app
