// The host's own commands: those the module drives and those a script needs to set up a
// drawing.
#include <cmath>
#include <cstring>
#include <filesystem>
#include <map>

#include "app/app.h"
#include "docs/docs.h"
#include "editor/editor.h"
#include "editor/ucs_state.h"
#include "editor/view_state.h"
#include "geom/text_metrics.h"
#include "util/text_case.h"
#include "zrx/zrx_all.h"
#include "zrx/ed_input.h"
#include "zrx/ed_output.h"
#include "zrx/ed_sysvars.h"
#include "zrxhost/drawing_file.h"
#include "zrxhost/session.h"

namespace zrxhost::app {
namespace {

ZcDbDatabase* working() { return zcdbHostApplicationServices()->workingDatabase(); }

double realVar(const char* name, double fallback)
{
    resbuf rb{};
    return zcedGetVar(name, &rb) == RTNORM && rb.restype == RTREAL ? rb.resval.rreal : fallback;
}

// Appends to model space with the drawing's current layer and line type; the new id.
ZcDbObjectId append(ZcDbEntity* entity)
{
    ZcDbDatabase* db = working();
    entity->setDatabaseDefaults(db);
    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(db->modelSpaceId(), ZcDb::kForWrite);
    ZcDbObjectId id;
    if (ms.openStatus() != Zcad::eOk || ms->appendZcDbEntity(id, entity) != Zcad::eOk) {
        delete entity;
        return {};
    }
    entity->close();
    return id;
}

ZcGePoint3d toPoint(const ads_point p) { return {p[X], p[Y], p[Z]}; }
// Answered points are UCS points; what is drawn lies in the world.
ZcGePoint3d toWorld(const ZcGePoint3d& p) { return ed::ucsToWorld(p); }
ZcGePoint3d toWorld(const ads_point p) { return ed::ucsToWorld(toPoint(p)); }
// The angle of the UCS X axis in the world XY plane.
double ucsAngle()
{
    ZcGeVector3d x = ZcGeVector3d::kXAxis;
    x.transformBy(ed::ucsOf());
    return std::atan2(x.y, x.x);
}

bool needDrawing()
{
    if (working() != nullptr) return true;
    ed::write("\nNo drawing is open.\n");
    return false;
}

void lineCommand()
{
    if (!needDrawing()) return;
    ads_point first, last, next;
    if (zcedGetPoint(nullptr, "\nSpecify first point: ", first) != RTNORM) return;
    std::memcpy(last, first, sizeof last);
    std::vector<ZcDbObjectId> segments;
    std::vector<ZcGePoint3d> starts;
    for (;;) {
        bool canClose = segments.size() >= 2;
        zcedInitGet(0, canClose ? "Close Undo" : "Undo");
        int rc = zcedGetPoint(last, canClose ? "\nSpecify next point or [Close/Undo]: " : "\nSpecify next point or [Undo]: ",
                              next);
        if (rc == RTKWORD) {
            char kw[32];
            zcedGetInput(kw);
            if (std::strcmp(kw, "Undo") == 0) {
                if (segments.empty()) {
                    ed::write("\nAll segments already undone.\n");
                    continue;
                }
                ZcDbObjectPointer<ZcDbEntity> line(segments.back(), ZcDb::kForWrite);
                if (line.openStatus() == Zcad::eOk) line->erase();
                ZcGePoint3d back = starts.back();
                last[X] = back.x;
                last[Y] = back.y;
                last[Z] = back.z;
                segments.pop_back();
                starts.pop_back();
                continue;
            }
            std::memcpy(next, first, sizeof next);
            rc = RTNORM;
            segments.push_back(append(new ZcDbLine(toWorld(last), toWorld(next))));
            return;
        }
        if (rc != RTNORM) return;
        starts.push_back(toPoint(last));
        segments.push_back(append(new ZcDbLine(toWorld(last), toWorld(next))));
        std::memcpy(last, next, sizeof last);
    }
}

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
// space becomes a block named after the file ("name=file" names the block). A file is
// read only when the drawing has no block of that name yet.
ZcDbObjectId blockToInsert(const std::string& answer)
{
    std::string name = answer, file;
    if (size_t eq = answer.find('='); eq != std::string::npos) {
        name = answer.substr(0, eq);
        file = answer.substr(eq + 1);
    } else if (answer.find_first_of("/\\") != std::string::npos || answer.find('.') != std::string::npos) {
        file = answer;
    }
    if (!file.empty()) {
        std::string base = file.substr(file.find_last_of("/\\") + 1);
        if (name == answer) name = base.substr(0, base.rfind('.'));
    }
    ZcDbObjectId blockId;
    {
        ZcDbObjectPointer<ZcDbBlockTable> table(working()->blockTableId(), ZcDb::kForRead);
        if (table.openStatus() == Zcad::eOk) table->getAt(name.c_str(), blockId);
    }
    if (!blockId.isNull()) return blockId;

    // Not a block of the drawing: the platform looks for a drawing file of the name.
    std::optional<std::string> path;
    for (const std::string& candidate : file.empty() ? std::vector<std::string>{name + ".dwg", name + ".dxf"}
                                                     : std::vector<std::string>{file, file + ".dwg"}) {
        if ((path = findHostFile(candidate))) break;
    }
    if (!path) {
        std::string what = file.empty() ? "Block \"" + name + "\" not found." : "Cannot find \"" + file + "\".";
        ed::write("\n" + what + "\n");
        if (inputMode() == InputMode::Script) raiseScriptError(what);
        return {};
    }
    ZcDbDatabase source(false, true);
    if (source.readDwgFile(path->c_str()) != Zcad::eOk) {
        ed::write("\n" + lastDrawingFileError() + "\n");
        if (inputMode() == InputMode::Script) raiseScriptError(lastDrawingFileError());
        return {};
    }
    if (Zcad::ErrorStatus es = working()->insert(blockId, name.c_str(), &source); es != Zcad::eOk) {
        std::string what = "Cannot insert " + *path + ": " + zcadErrorStatusText(es);
        ed::write("\n" + what + "\n");
        if (inputMode() == InputMode::Script) raiseScriptError(what);
        return {};
    }
    return blockId;
}

void insertCommand()
{
    if (!needDrawing()) return;
    char name[1024];
    if (zcedGetString(1, "\nEnter block name or [?]: ", name, sizeof name) != RTNORM || name[0] == '\0') return;
    ZcDbObjectId blockId = blockToInsert(name);
    if (blockId.isNull()) return;
    ads_point at;
    if (zcedGetPoint(nullptr, "\nSpecify insertion point: ", at) != RTNORM) return;
    double sx = 1.0, sy = 1.0, angle = 0.0;
    zcedInitGet(RSG_NOZERO, nullptr);
    int rc = zcedGetReal("\nEnter X scale factor <1>: ", &sx);
    if (rc == RTCAN) return;
    if (rc == RTNONE) sx = 1.0;
    zcedInitGet(RSG_NOZERO, nullptr);
    rc = zcedGetReal("\nEnter Y scale factor <use X scale factor>: ", &sy);
    if (rc == RTCAN) return;
    if (rc == RTNONE) sy = sx;
    rc = zcedGetAngle(at, "\nSpecify rotation angle <0>: ", &angle);
    if (rc == RTCAN) return;
    if (rc == RTNONE) angle = 0.0;

    auto* ref = new ZcDbBlockReference(toWorld(at), blockId);
    // Z follows X, as the platform's -INSERT does: a reference scaled alike in X and Y
    // stays a uniform scaling, which polylines and arcs in the block can follow.
    ref->setScaleFactors(ZcGeScale3d(sx, sy, sx));
    ref->setRotation(angle + ucsAngle());
    ZcDbObjectId refId = append(ref);
    if (refId.isNull()) return;

    // Attribute values, asked in the order the definitions stand in the block.
    std::vector<ZcDbObjectId> defs;
    {
        ZcDbObjectPointer<ZcDbBlockTableRecord> block(blockId, ZcDb::kForRead);
        if (block.openStatus() != Zcad::eOk) return;
        for (ZcDbObjectId id : block->entityIds()) {
            if (!id.isErased() && id.objectClass() == ZcDbAttributeDefinition::desc()) defs.push_back(id);
        }
    }
    bool announced = false;
    for (ZcDbObjectId defId : defs) {
        ZcDbObjectPointer<ZcDbAttributeDefinition> def(defId, ZcDb::kForRead);
        if (def.openStatus() != Zcad::eOk || def->isConstant()) continue;
        if (!announced) {
            ed::write("\nEnter attribute values\n");
            announced = true;
        }
        std::string prompt = std::string("\n") + def->promptConst() + " <" + def->textStringConst() + ">: ";
        char value[512];
        if (zcedGetString(1, prompt.c_str(), value, sizeof value) == RTCAN) value[0] = '\0';
        ZcDbObjectPointer<ZcDbBlockReference> r(refId, ZcDb::kForWrite);
        if (r.openStatus() != Zcad::eOk) return;
        auto* attribute = new ZcDbAttribute;
        attribute->setAttributeFromBlock(def.object(), r->blockTransform());
        if (value[0] != '\0') attribute->setTextString(value);
        if (r->appendAttribute(attribute) != Zcad::eOk) {
            delete attribute;
            return;
        }
        attribute->close();
    }
}

void zoomCommand()
{
    if (!needDrawing()) return;
    ed::ViewState& view = ed::viewOf(working());
    zcedInitGet(0, "All Center Extents Window");
    ads_point p;
    int rc = zcedGetPoint(nullptr,
                          "\nSpecify corner of window, or\n[All/Center/Extents/Window] <Extents>: ", p);
    if (rc == RTCAN) return;
    std::string option = "Extents";
    if (rc == RTKWORD) {
        char kw[32];
        zcedGetInput(kw);
        option = kw;
    }
    if (rc == RTNORM || option == "Window") {
        ads_point a, b;
        if (rc == RTNORM) std::memcpy(a, p, sizeof a);
        else if (zcedGetPoint(nullptr, "\nSpecify first corner: ", a) != RTNORM) return;
        if (zcedGetCorner(a, "\nSpecify opposite corner: ", b) != RTNORM) return;
        // The window is a rectangle of the display, which shows the world.
        ZcGePoint3d wa = toWorld(a), wb = toWorld(b);
        double w = std::fabs(wb.x - wa.x), h = std::fabs(wb.y - wa.y);
        double aspect = static_cast<double>(ed::kScreenWidth) / ed::kScreenHeight;
        view.center.set((wa.x + wb.x) / 2, (wa.y + wb.y) / 2, 0.0);
        view.height = std::max(h, w / aspect);
        if (view.height <= 0) view.height = 1.0;
        return;
    }
    if (option == "Center") {
        ads_point c;
        if (zcedGetPoint(nullptr, "\nSpecify center point: ", c) != RTNORM) return;
        double h = view.height;
        std::string prompt = "\nEnter magnification or height <" + ed::formatReal(view.height) + ">: ";
        zcedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
        rc = zcedGetDist(nullptr, prompt.c_str(), &h);
        if (rc == RTCAN) return;
        ZcGePoint3d wc = toWorld(c);
        view.center.set(wc.x, wc.y, 0.0);
        if (rc == RTNORM) view.height = h;
        return;
    }
    ed::zoomExtents(working());
}

void regenCommand()
{
    ed::write("\nRegenerating model.\n");
    zcedUpdateDisplay();
}

void setvarCommand()
{
    char name[64];
    if (zcedGetString(0, "\nEnter variable name or [?]: ", name, sizeof name) != RTNORM || name[0] == '\0') return;
    resbuf current{};
    if (zcedGetVar(name, &current) != RTNORM) {
        ed::write("\nUnknown variable name.  Type SETVAR ? for list of variables.\n");
        if (inputMode() == InputMode::Script) raiseScriptError(std::string("unknown variable ") + name);
        return;
    }
    const resbuf* p = &current;
    std::string shown;
    switch (current.restype) {
    case RTSHORT: shown = std::to_string(current.resval.rint); break;
    case RTREAL: shown = ed::formatReal(current.resval.rreal); break;
    case RTSTR: shown = std::string("\"") + current.resval.rstring + "\""; break;
    default: shown = ed::formatPoint(ZcGePoint3d(p->resval.rpoint[0], p->resval.rpoint[1], p->resval.rpoint[2]));
    }
    std::string upper = upperAscii(name);
    std::string prompt = "\nEnter new value for " + upper + " <" + shown + ">: ";
    char value[512];
    int rc = zcedGetString(1, prompt.c_str(), value, sizeof value);
    int type = current.restype;
    if (type == RTSTR) std::free(current.resval.rstring);
    if (rc != RTNORM || value[0] == '\0') return;
    resbuf rb{};
    rb.restype = static_cast<short>(type);
    bool parsed = true;
    if (type == RTSHORT) {
        auto v = ed::parseInt(value);
        parsed = v.has_value() && *v >= -32768 && *v <= 32767;
        rb.resval.rint = static_cast<short>(parsed ? *v : 0);
    } else if (type == RTREAL) {
        auto v = ed::parseReal(value);
        parsed = v.has_value();
        rb.resval.rreal = parsed ? *v : 0.0;
    } else if (type == RTSTR) {
        rb.resval.rstring = value;
    } else {
        auto v = ed::parsePoint(value);
        parsed = v.has_value();
        if (parsed) {
            rb.resval.rpoint[0] = v->x;
            rb.resval.rpoint[1] = v->y;
            rb.resval.rpoint[2] = v->z;
        }
    }
    if (!parsed || zcedSetVar(name, &rb) != RTNORM) {
        ed::reject("Invalid value for " + upper, value);
    }
}

void scriptCommand()
{
    char name[1024];
    if (zcedGetString(1, "\nEnter script file name: ", name, sizeof name) != RTNORM || name[0] == '\0') return;
    std::string path = name;
    if (!std::filesystem::exists(path) && std::filesystem::path(path).extension().empty()) path += ".scr";
    std::string error;
    if (!pushScriptFile(path, &error)) {
        ed::write(std::string("\nCannot find script file \"") + name + "\".\n");
        if (inputMode() == InputMode::Script) raiseScriptError(error);
    }
}

void newCommand()
{
    char name[1024];
    int rc = zcedGetString(1, "\nEnter template file name or [. (for none)] <acadiso.dwt>: ", name, sizeof name);
    if (rc != RTNORM) return;
    const char* templ = (std::strcmp(name, ".") == 0) ? "" : name;
    Zcad::ErrorStatus es = zcDocManager->appContextNewDocument(templ);
    if (es == Zcad::eOk) return;
    // A template that is there but cannot be read says why, as OPEN does.
    std::string what = es == Zcad::eFileNotFound ? std::string("template \"") + name + "\" not found"
                                                 : lastDrawingFileError();
    ed::write(es == Zcad::eFileNotFound ? std::string("\nCannot find template \"") + name + "\".\n" : "\n" + what + "\n");
    if (inputMode() == InputMode::Script) raiseScriptError(what);
}

void closeCommand()
{
    ZcApDocument* doc = zcDocManager->curDocument();
    if (doc == nullptr) {
        ed::write("\nNo drawing is open.\n");
        return;
    }
    // The command's own lock goes with the document.
    while (docs::lockCount(doc) > 0) zcDocManager->unlockDocument(doc);
    zcDocManager->closeDocument(doc);
}

std::map<std::string, BuiltinCommand>& table()
{
    static std::map<std::string, BuiltinCommand> t;
    return t;
}

}  // namespace

void registerBuiltins()
{
    if (!table().empty()) return;
    for (BuiltinCommand c : {BuiltinCommand{"LINE", lineCommand}, BuiltinCommand{"LEADER", leaderCommand},
                             BuiltinCommand{"-INSERT", insertCommand}, BuiltinCommand{"ZOOM", zoomCommand},
                             BuiltinCommand{"REGEN", regenCommand}, BuiltinCommand{"SETVAR", setvarCommand},
                             BuiltinCommand{"SCRIPT", scriptCommand}, BuiltinCommand{"NEW", newCommand},
                             BuiltinCommand{"CLOSE", closeCommand}})
        table()[c.name] = c;
    for (const BuiltinCommand& c : fileCommands()) table()[c.name] = c;
}

const BuiltinCommand* findBuiltin(const std::string& name)
{
    registerBuiltins();
    auto it = table().find(upperAscii(name));
    return it != table().end() ? &it->second : nullptr;
}

}  // namespace zrxhost::app
