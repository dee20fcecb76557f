// System variables: the platform's names, types and defaults (metric drawing).
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <variant>

#include "editor/editor.h"
#include "zrxhost/product_version.h"
#include "editor/ucs_state.h"
#include "editor/view_state.h"
#include "util/text_case.h"
#include "zrx/ed_sysvars.h"
#include "zrxhost/contract.h"
#include "zrxhost/drive_map.h"
#include "db/access.h"
#include "db/database_impl.h"
#include "db/record_name.h"

namespace zrxhost::ed {
namespace {

struct Point2 {
    double x, y;
};
using Value = std::variant<short, double, std::string, Point2, ZcGePoint3d>;

enum class Scope { Session, Drawing };

struct Var {
    Value initial;
    Scope scope = Scope::Session;
    bool readOnly = false;
    // Range check for numbers; true when the value may be set.
    std::function<bool(const Value&)> accepts;
    // Variables that live somewhere else (a table record, the view) read and write there.
    std::function<Value()> get;
    std::function<bool(const Value&)> set;
};

ZcDbDatabase* working() { return zcdbHostApplicationServices()->workingDatabase(); }

// DWGPREFIX and DWGNAME: the drawing's folder (with its closing separator) and file name.
// A file on a mapped drive is given in its Windows form, as the module builds Windows
// paths from it; an unnamed drawing is its document's title in the current folder.
std::pair<std::string, std::string> drawingFile()
{
    namespace fs = std::filesystem;
    const char* name = "";
    if (working() != nullptr) working()->getFilename(name);
    std::string title = "Drawing1.dwg";
    if (ZcApDocument* doc = working() != nullptr ? zcDocManager->document(working()) : nullptr) title = doc->docTitle();
    std::error_code ec;
    fs::path file = *name != '\0' ? fs::absolute(name, ec).lexically_normal() : fs::current_path(ec) / title;
    std::string folder = file.parent_path().string() + "/";
    if (std::optional<std::string> win = windowsPath(file.string())) {
        return {win->substr(0, win->find_last_of('\\') + 1), file.filename().string()};
    }
    return {folder, file.filename().string()};
}

std::function<bool(const Value&)> shortRange(int lo, int hi)
{
    return [lo, hi](const Value& v) { return std::get<short>(v) >= lo && std::get<short>(v) <= hi; };
}
std::function<bool(const Value&)> realAtLeast(double lo, bool inclusive = true)
{
    return [lo, inclusive](const Value& v) { return inclusive ? std::get<double>(v) >= lo : std::get<double>(v) > lo; };
}

// The name of a drawing's current record in a table.
template <class Table>
std::string currentName(ZcDbObjectId recordId)
{
    zrxhost::HostAccess access;
    auto* r = zrxhost::peek<ZcDbSymbolTableRecord>(recordId);
    return r != nullptr ? std::string(zrxhost::recordName(r)) : std::string();
}

std::map<std::string, Var>& table()
{
    static std::map<std::string, Var> vars = [] {
        std::map<std::string, Var> t;
        t["PICKSTYLE"] = {short(1), Scope::Session, false, shortRange(0, 3), {}, {}};
        t["OSMODE"] = {short(4133), Scope::Session, false, shortRange(0, 32767), {}, {}};
        t["ERRNO"] = {short(0), Scope::Session, false, {}, {}, {}};
        t["PICKBOX"] = {short(3), Scope::Session, false, shortRange(0, 50), {}, {}};
        t["HIGHLIGHT"] = {short(1), Scope::Session, false, shortRange(0, 1), {}, {}};
        t["CMDECHO"] = {short(1), Scope::Session, false, shortRange(0, 1), {}, {}};
        t["CVPORT"] = {short(2), Scope::Session, true, {}, {}, {}};
        // The current UCS of the working drawing, read from where it is kept.
        t["WORLDUCS"] = {short(1), Scope::Drawing, true, {}, [] { return Value(short(ucsIsWorld() ? 1 : 0)); }, {}};
        t["UCSORG"] = {ZcGePoint3d(0, 0, 0), Scope::Drawing, true, {}, [] {
            return Value(ucsOf() * ZcGePoint3d::kOrigin);
        }, {}};
        t["UCSXDIR"] = {ZcGePoint3d(1, 0, 0), Scope::Drawing, true, {}, [] {
            ZcGeVector3d axis = ZcGeVector3d::kXAxis;
            return Value(ZcGePoint3d::kOrigin + axis.transformBy(ucsOf()));
        }, {}};
        t["UCSYDIR"] = {ZcGePoint3d(0, 1, 0), Scope::Drawing, true, {}, [] {
            ZcGeVector3d axis = ZcGeVector3d::kYAxis;
            return Value(ZcGePoint3d::kOrigin + axis.transformBy(ucsOf()));
        }, {}};
        t["LASTPOINT"] = {ZcGePoint3d(0, 0, 0), Scope::Drawing, false, {}, {}, {}};
        // The release the drawing files are written for (AC1027).
        t["ACADVER"] = {std::string("19.0s (LMS Tech)"), Scope::Session, true, {}, {}, {}};
        t["SCREENSIZE"] = {Point2{double(kScreenWidth), double(kScreenHeight)}, Scope::Session, true, {}, {}, {}};
        t["DIMASZ"] = {2.5, Scope::Drawing, false, realAtLeast(0.0), {}, {}};
        t["DIMSCALE"] = {1.0, Scope::Drawing, false, realAtLeast(0.0), {}, {}};
        // The dimension variables of the current style; a dimension style update sets them.
        t["DIMADEC"] = {short(zrxhost::DimVars{}.dimadec), Scope::Drawing, false, {}, {}, {}};
        t["DIMALTD"] = {short(zrxhost::DimVars{}.dimaltd), Scope::Drawing, false, {}, {}, {}};
        t["DIMALTTD"] = {short(zrxhost::DimVars{}.dimalttd), Scope::Drawing, false, {}, {}, {}};
        t["DIMALTTZ"] = {short(zrxhost::DimVars{}.dimalttz), Scope::Drawing, false, {}, {}, {}};
        t["DIMALTU"] = {short(zrxhost::DimVars{}.dimaltu), Scope::Drawing, false, {}, {}, {}};
        t["DIMALTZ"] = {short(zrxhost::DimVars{}.dimaltz), Scope::Drawing, false, {}, {}, {}};
        t["DIMATFIT"] = {short(zrxhost::DimVars{}.dimatfit), Scope::Drawing, false, {}, {}, {}};
        t["DIMAUNIT"] = {short(zrxhost::DimVars{}.dimaunit), Scope::Drawing, false, {}, {}, {}};
        t["DIMAZIN"] = {short(zrxhost::DimVars{}.dimazin), Scope::Drawing, false, {}, {}, {}};
        t["DIMDEC"] = {short(zrxhost::DimVars{}.dimdec), Scope::Drawing, false, {}, {}, {}};
        t["DIMFRAC"] = {short(zrxhost::DimVars{}.dimfrac), Scope::Drawing, false, {}, {}, {}};
        t["DIMJUST"] = {short(zrxhost::DimVars{}.dimjust), Scope::Drawing, false, {}, {}, {}};
        t["DIMLUNIT"] = {short(zrxhost::DimVars{}.dimlunit), Scope::Drawing, false, {}, {}, {}};
        t["DIMTAD"] = {short(zrxhost::DimVars{}.dimtad), Scope::Drawing, false, {}, {}, {}};
        t["DIMTDEC"] = {short(zrxhost::DimVars{}.dimtdec), Scope::Drawing, false, {}, {}, {}};
        t["DIMTMOVE"] = {short(zrxhost::DimVars{}.dimtmove), Scope::Drawing, false, {}, {}, {}};
        t["DIMTOLJ"] = {short(zrxhost::DimVars{}.dimtolj), Scope::Drawing, false, {}, {}, {}};
        t["DIMTZIN"] = {short(zrxhost::DimVars{}.dimtzin), Scope::Drawing, false, {}, {}, {}};
        t["DIMZIN"] = {short(zrxhost::DimVars{}.dimzin), Scope::Drawing, false, {}, {}, {}};
        t["DIMCLRD"] = {short(zrxhost::DimVars{}.dimclrd), Scope::Drawing, false, {}, {}, {}};
        t["DIMCLRE"] = {short(zrxhost::DimVars{}.dimclre), Scope::Drawing, false, {}, {}, {}};
        t["DIMCLRT"] = {short(zrxhost::DimVars{}.dimclrt), Scope::Drawing, false, {}, {}, {}};
        t["DIMALT"] = {short(zrxhost::DimVars{}.dimalt ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMLIM"] = {short(zrxhost::DimVars{}.dimlim ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMSAH"] = {short(zrxhost::DimVars{}.dimsah ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMSD1"] = {short(zrxhost::DimVars{}.dimsd1 ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMSD2"] = {short(zrxhost::DimVars{}.dimsd2 ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMSE1"] = {short(zrxhost::DimVars{}.dimse1 ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMSE2"] = {short(zrxhost::DimVars{}.dimse2 ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMSOXD"] = {short(zrxhost::DimVars{}.dimsoxd ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMTIH"] = {short(zrxhost::DimVars{}.dimtih ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMTIX"] = {short(zrxhost::DimVars{}.dimtix ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMTOFL"] = {short(zrxhost::DimVars{}.dimtofl ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMTOH"] = {short(zrxhost::DimVars{}.dimtoh ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMTOL"] = {short(zrxhost::DimVars{}.dimtol ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMUPT"] = {short(zrxhost::DimVars{}.dimupt ? 1 : 0), Scope::Drawing, false, shortRange(0, 1), {}, {}};
        t["DIMALTF"] = {zrxhost::DimVars{}.dimaltf, Scope::Drawing, false, {}, {}, {}};
        t["DIMALTRND"] = {zrxhost::DimVars{}.dimaltrnd, Scope::Drawing, false, {}, {}, {}};
        t["DIMCEN"] = {zrxhost::DimVars{}.dimcen, Scope::Drawing, false, {}, {}, {}};
        t["DIMDLE"] = {zrxhost::DimVars{}.dimdle, Scope::Drawing, false, {}, {}, {}};
        t["DIMDLI"] = {zrxhost::DimVars{}.dimdli, Scope::Drawing, false, {}, {}, {}};
        t["DIMEXE"] = {zrxhost::DimVars{}.dimexe, Scope::Drawing, false, {}, {}, {}};
        t["DIMEXO"] = {zrxhost::DimVars{}.dimexo, Scope::Drawing, false, {}, {}, {}};
        t["DIMGAP"] = {zrxhost::DimVars{}.dimgap, Scope::Drawing, false, {}, {}, {}};
        t["DIMLFAC"] = {zrxhost::DimVars{}.dimlfac, Scope::Drawing, false, {}, {}, {}};
        t["DIMRND"] = {zrxhost::DimVars{}.dimrnd, Scope::Drawing, false, {}, {}, {}};
        t["DIMTFAC"] = {zrxhost::DimVars{}.dimtfac, Scope::Drawing, false, {}, {}, {}};
        t["DIMTM"] = {zrxhost::DimVars{}.dimtm, Scope::Drawing, false, {}, {}, {}};
        t["DIMTP"] = {zrxhost::DimVars{}.dimtp, Scope::Drawing, false, {}, {}, {}};
        t["DIMTSZ"] = {zrxhost::DimVars{}.dimtsz, Scope::Drawing, false, {}, {}, {}};
        t["DIMTVP"] = {zrxhost::DimVars{}.dimtvp, Scope::Drawing, false, {}, {}, {}};
        t["DIMTXT"] = {zrxhost::DimVars{}.dimtxt, Scope::Drawing, false, {}, {}, {}};
        t["DIMLWD"] = {short(zrxhost::DimVars{}.dimlwd), Scope::Drawing, false, {}, {}, {}};
        t["DIMLWE"] = {short(zrxhost::DimVars{}.dimlwe), Scope::Drawing, false, {}, {}, {}};
        t["DIMBLK"] = {std::string(""), Scope::Drawing, false, {}, {}, {}};
        t["DIMBLK1"] = {std::string(""), Scope::Drawing, false, {}, {}, {}};
        t["DIMBLK2"] = {std::string(""), Scope::Drawing, false, {}, {}, {}};
        t["DIMLDRBLK"] = {std::string(""), Scope::Drawing, false, {}, {}, {}};
        t["DIMPOST"] = {std::string(""), Scope::Drawing, false, {}, {}, {}};
        t["DIMAPOST"] = {std::string(""), Scope::Drawing, false, {}, {}, {}};
        t["DIMDSEP"] = {std::string(","), Scope::Drawing, false, {}, {}, {}};
        t["DIMTXSTY"] = {std::string("Standard"), Scope::Drawing, false, {}, {}, {}};
        t["TEXTSIZE"] = {2.5, Scope::Drawing, false, realAtLeast(0.0, false), {}, {}};
        t["LTSCALE"] = {1.0, Scope::Drawing, false, realAtLeast(0.0, false), {}, {}};
        t["PDMODE"] = {short(0), Scope::Drawing, false, {}, {}, {}};
        t["PDSIZE"] = {0.0, Scope::Drawing, false, {}, {}, {}};
        t["LUNITS"] = {short(2), Scope::Drawing, false, shortRange(1, 5), {}, {}};
        t["LUPREC"] = {short(4), Scope::Drawing, false, shortRange(0, 8), {}, {}};
        t["AUNITS"] = {short(0), Scope::Drawing, false, shortRange(0, 4), {}, {}};
        t["AUPREC"] = {short(0), Scope::Drawing, false, shortRange(0, 8), {}, {}};
        t["VIEWSIZE"] = {0.0, Scope::Drawing, true, {}, [] { return Value(viewOf(working()).height); }, {}};
        t["VIEWCTR"] = {ZcGePoint3d(), Scope::Drawing, true, {}, [] { return Value(viewOf(working()).center); }, {}};
        t["DWGNAME"] = {std::string(), Scope::Drawing, true, {}, [] { return Value(drawingFile().second); }, {}};
        t["DWGPREFIX"] = {std::string(), Scope::Drawing, true, {}, [] { return Value(drawingFile().first); }, {}};
        t["CLAYER"] = {std::string("0"), Scope::Drawing, false, {}, [] {
            return Value(working() != nullptr ? currentName<ZcDbLayerTable>(working()->clayer()) : std::string("0"));
        }, [](const Value& v) {
            ZcDbDatabase* db = working();
            if (db == nullptr) return false;
            zrxhost::HostAccess access;
            auto* layers = zrxhost::peek<ZcDbLayerTable>(db->layerTableId());
            ZcDbObjectId id;
            if (layers == nullptr || layers->getAt(std::get<std::string>(v).c_str(), id) != Zcad::eOk) return false;
            auto* layer = zrxhost::peek<ZcDbLayerTableRecord>(id);
            if (layer == nullptr || layer->isFrozen()) return false;
            return db->setClayer(id) == Zcad::eOk;
        }};
        t["CELTYPE"] = {std::string("ByLayer"), Scope::Drawing, false, {}, [] {
            return Value(working() != nullptr ? currentName<ZcDbLinetypeTable>(working()->celtype()) : std::string("ByLayer"));
        }, [](const Value& v) {
            ZcDbDatabase* db = working();
            if (db == nullptr) return false;
            zrxhost::HostAccess access;
            auto* types = zrxhost::peek<ZcDbLinetypeTable>(db->linetypeTableId());
            ZcDbObjectId id;
            if (types == nullptr || types->getAt(std::get<std::string>(v).c_str(), id) != Zcad::eOk) return false;
            return db->setCeltype(id) == Zcad::eOk;
        }};
        t["TEXTSTYLE"] = {std::string("Standard"), Scope::Drawing, false, {}, [] {
            return Value(working() != nullptr ? currentName<ZcDbTextStyleTable>(working()->textstyle()) : std::string("Standard"));
        }, [](const Value& v) {
            ZcDbDatabase* db = working();
            if (db == nullptr) return false;
            zrxhost::HostAccess access;
            auto* styles = zrxhost::peek<ZcDbTextStyleTable>(db->textStyleTableId());
            ZcDbObjectId id;
            if (styles == nullptr || styles->getAt(std::get<std::string>(v).c_str(), id) != Zcad::eOk) return false;
            return db->setTextstyle(id) == Zcad::eOk;
        }};
        // Set through the DIMSTYLE command on the platform, never directly.
        t["DIMSTYLE"] = {std::string("Standard"), Scope::Drawing, true, {}, [] {
            return Value(working() != nullptr ? currentName<ZcDbDimStyleTable>(working()->dimstyle()) : std::string("Standard"));
        }, {}};
        return t;
    }();
    return vars;
}

std::unordered_map<std::string, Value>& sessionValues()
{
    static std::unordered_map<std::string, Value> v;
    return v;
}

std::unordered_map<std::string, Value>& drawingValues(ZcDbDatabase* db)
{
    static std::unordered_map<int64_t, std::unordered_map<std::string, Value>> perDrawing;
    return perDrawing[drawingKey(db)];
}

Value current(const std::string& name, const Var& var)
{
    if (var.get) return var.get();
    auto& store = var.scope == Scope::Session ? sessionValues() : drawingValues(working());
    auto it = store.find(name);
    return it != store.end() ? it->second : var.initial;
}

// The value in the variable's own type; false when the buffer cannot give one. An out
// parameter rather than an optional: GCC's flow analysis loses track of an optional
// holding this variant under the sanitizers and reports its string maybe uninitialized.
bool convert(const resbuf* rb, const Value& like, Value& out)
{
    if (std::holds_alternative<short>(like)) {
        long v = 0;
        if (rb->restype == RTSHORT) v = rb->resval.rint;
        else if (rb->restype == RTLONG) v = rb->resval.rlong;
        else return false;
        if (v < -32768 || v > 32767) return false;
        out = static_cast<short>(v);
        return true;
    }
    if (std::holds_alternative<double>(like)) {
        if (rb->restype == RTREAL) out = rb->resval.rreal;
        else if (rb->restype == RTSHORT) out = double(rb->resval.rint);
        else if (rb->restype == RTLONG) out = double(rb->resval.rlong);
        else return false;
        return true;
    }
    if (std::holds_alternative<std::string>(like)) {
        if (rb->restype != RTSTR || rb->resval.rstring == nullptr) return false;
        out = std::string(rb->resval.rstring);
        return true;
    }
    if (rb->restype != RTPOINT && rb->restype != RT3DPOINT) return false;
    if (std::holds_alternative<Point2>(like)) out = Point2{rb->resval.rpoint[0], rb->resval.rpoint[1]};
    else out = ZcGePoint3d(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->restype == RT3DPOINT ? rb->resval.rpoint[2] : 0.0);
    return true;
}

}  // namespace
}  // namespace zrxhost::ed

int zcedGetVar(const char* sym, resbuf* result)
{
    using namespace zrxhost::ed;
    if (sym == nullptr || result == nullptr) return RTERROR;
    std::string name = zrxhost::upperAscii(sym);
    auto it = table().find(name);
    if (it == table().end()) return RTERROR;
    Value v = current(name, it->second);
    result->rbnext = nullptr;
    if (auto* s = std::get_if<short>(&v)) {
        result->restype = RTSHORT;
        result->resval.rint = *s;
    } else if (auto* d = std::get_if<double>(&v)) {
        result->restype = RTREAL;
        result->resval.rreal = *d;
    } else if (auto* str = std::get_if<std::string>(&v)) {
        result->restype = RTSTR;
        result->resval.rstring = static_cast<char*>(std::malloc(str->size() + 1));
        std::memcpy(result->resval.rstring, str->c_str(), str->size() + 1);
    } else if (auto* p2 = std::get_if<Point2>(&v)) {
        result->restype = RTPOINT;
        result->resval.rpoint[0] = p2->x;
        result->resval.rpoint[1] = p2->y;
        result->resval.rpoint[2] = 0.0;
    } else {
        const auto& p = std::get<ZcGePoint3d>(v);
        result->restype = RT3DPOINT;
        result->resval.rpoint[0] = p.x;
        result->resval.rpoint[1] = p.y;
        result->resval.rpoint[2] = p.z;
    }
    return RTNORM;
}

int zcedSetVar(const char* sym, const resbuf* value)
{
    using namespace zrxhost::ed;
    if (sym == nullptr || value == nullptr) return RTERROR;
    std::string name = zrxhost::upperAscii(sym);
    auto it = table().find(name);
    if (it == table().end() || it->second.readOnly) return RTERROR;
    const Var& var = it->second;
    Value v;
    if (!convert(value, var.initial, v) || (var.accepts && !var.accepts(v))) return RTERROR;
    if (var.set) return var.set(v) ? RTNORM : RTERROR;
    auto& store = var.scope == Scope::Session ? sessionValues() : drawingValues(working());
    store[name] = std::move(v);
    return RTNORM;
}

void zrxhost::setProductVersion(const std::string& acadver)
{
    if (acadver.empty()) ed::sessionValues().erase("ACADVER");
    else ed::sessionValues()["ACADVER"] = acadver;
}
