// zcedSSGet: asking for objects and finding them by region, by handle or by filter.
#include <algorithm>
#include <sstream>

#include "editor/editor.h"
#include "editor/filter.h"
#include "editor/geometry.h"
#include "editor/pick.h"
#include "editor/selection_sets.h"
#include "editor/ucs_state.h"
#include "util/text_case.h"
#include "zrx/ed_selection.h"
#include "zrxhost/contract.h"
#include "db/database_impl.h"
#include "zrxhost/spaces.h"

namespace zrxhost::ed {
namespace {

ZcDbDatabase* working() { return zcdbHostApplicationServices()->workingDatabase(); }

Polygon rectangle(const ZcGePoint3d& a, const ZcGePoint3d& b)
{
    return {{a.x, a.y}, {b.x, a.y}, {b.x, b.y}, {a.x, b.y}};
}

// Shown model-space entities inside (or, crossing, touching) the polygon.
std::vector<ZcDbObjectId> inRegion(const Polygon& region, bool crossing)
{
    std::vector<ZcDbObjectId> found;
    ZcDbDatabase* db = working();
    if (db == nullptr) return found;
    zrxhost::HostAccess access;
    for (ZcDbObjectId id : liveEntities(zrxhost::modelSpaceId(db))) {
        auto* e = zrxhost::peek<ZcDbEntity>(id);
        if (e == nullptr || !isShown(e)) continue;
        if (crossing ? entityCrossing(e, region) : entityWithin(e, region)) found.push_back(id);
    }
    return found;
}

std::vector<ZcDbObjectId> everything()
{
    std::vector<ZcDbObjectId> found;
    ZcDbDatabase* db = working();
    if (db == nullptr) return found;
    zrxhost::HostAccess access;
    for (ZcDbObjectId block : {zrxhost::modelSpaceId(db), zrxhost::paperSpaceId(db)}) {
        for (ZcDbObjectId id : liveEntities(block)) found.push_back(id);
    }
    return found;
}

// Every entity on a thawed layer, as the ALL answer takes them.
std::vector<ZcDbObjectId> allThawed()
{
    std::vector<ZcDbObjectId> found;
    ZcDbDatabase* db = working();
    if (db == nullptr) return found;
    zrxhost::HostAccess access;
    for (ZcDbObjectId id : liveEntities(zrxhost::modelSpaceId(db))) {
        auto* e = zrxhost::peek<ZcDbEntity>(id);
        auto* layer = e != nullptr ? zrxhost::peek<ZcDbLayerTableRecord>(e->layerId()) : nullptr;
        if (e != nullptr && (layer == nullptr || !layer->isFrozen())) found.push_back(id);
    }
    return found;
}

std::vector<ZcDbObjectId> lastShown()
{
    ZcDbDatabase* db = working();
    if (db == nullptr) return {};
    zrxhost::HostAccess access;
    auto ids = liveEntities(zrxhost::modelSpaceId(db));
    for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
        auto* e = zrxhost::peek<ZcDbEntity>(*it);
        if (e != nullptr && isShown(e)) return {*it};
    }
    return {};
}

std::optional<Polygon> polygonFrom(const resbuf* points)
{
    Polygon poly;
    for (const resbuf* rb = points; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype != RTPOINT && rb->restype != RT3DPOINT) return std::nullopt;
        double z = rb->restype == RT3DPOINT ? rb->resval.rpoint[2] : 0.0;
        ZcGePoint3d p = ucsToWorld({rb->resval.rpoint[0], rb->resval.rpoint[1], z});
        poly.emplace_back(p.x, p.y);
    }
    if (poly.size() < 3) return std::nullopt;
    return poly;
}

// One selection line; nothing when it is not one.
std::optional<std::vector<ZcDbObjectId>> readSelectionLine(const std::string& line)
{
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    if (words.empty()) return std::nullopt;
    std::string head = upperAscii(words[0]);
    if (head == "ALL" && words.size() == 1) return allThawed();
    if (head == "L" && words.size() == 1) return lastShown();
    if (head == "P" && words.size() == 1) return previousSelection();
    if (head == "W" || head == "C" || head == "WP" || head == "CP") {
        std::vector<ZcGePoint3d> pts;
        for (size_t i = 1; i < words.size(); ++i) {
            auto p = parsePoint(words[i]);
            if (!p) return std::nullopt;
            pts.push_back(ucsToWorld(*p));
        }
        bool crossing = head[0] == 'C';
        if (head.size() == 1) {
            if (pts.size() != 2) return std::nullopt;
            return inRegion(rectangle(pts[0], pts[1]), crossing);
        }
        if (pts.size() < 3) return std::nullopt;
        Polygon poly;
        for (const ZcGePoint3d& p : pts) poly.emplace_back(p.x, p.y);
        return inRegion(poly, crossing);
    }
    std::vector<ZcDbObjectId> found;
    ZcDbDatabase* db = working();
    for (const std::string& w : words) {
        if (auto p = words.size() == 1 ? parsePoint(w) : std::nullopt) {
            ZcDbObjectId id = pickAt(db, ucsToWorld(*p));
            if (!id.isNull()) found.push_back(id);
            continue;
        }
        auto pick = parseHandlePick(w);
        if (!pick) return std::nullopt;
        ZcDbObjectId id;
        zrxhost::HostAccess access;
        if (db != nullptr && db->getZcDbObjectId(id, false, pick->handle) == Zcad::eOk && !id.isErased()) {
            auto* e = zrxhost::peek<ZcDbEntity>(id);
            if (e != nullptr && isShown(e)) found.push_back(id);
        }
    }
    return found;
}

// The interactive selection: lines until Enter. RTCAN on Esc.
int askSelection(const char* addPrompt, const char* removePrompt, bool single, std::vector<ZcDbObjectId>& chosen)
{
    bool removing = false;
    for (;;) {
        Answer a = ask(removing ? removePrompt : addPrompt, "\nSelect objects: ");
        if (a.kind == Answer::kCancel) return RTCAN;
        if (a.kind == Answer::kEnter) return RTNORM;
        std::string word = upperAscii(a.text);
        if (word == "R" || word == "REMOVE" || word == "A" || word == "ADD") {
            removing = word[0] == 'R';
            continue;
        }
        auto found = readSelectionLine(a.text);
        if (!found) {
            if (!reject("*Invalid selection*", a.text)) return RTCAN;
            continue;
        }
        int duplicates = 0;
        for (ZcDbObjectId id : *found) {
            auto it = std::find(chosen.begin(), chosen.end(), id);
            if (removing) {
                if (it != chosen.end()) chosen.erase(it);
            } else if (it == chosen.end()) {
                chosen.push_back(id);
            } else {
                ++duplicates;
            }
        }
        std::string report = std::to_string(found->size()) + (removing ? " removed" : " found");
        if (duplicates > 0) report += " (" + std::to_string(duplicates) + " duplicate)";
        report += ", " + std::to_string(chosen.size()) + " total";
        write("\n" + report + "\n");
        if (single && !found->empty()) return RTNORM;
    }
}

}  // namespace
}  // namespace zrxhost::ed

int zcedSSGet(const char* str, const void* pt1, const void* pt2, const resbuf* filter, ads_name ss)
{
    using namespace zrxhost::ed;
    std::optional<FilterNode> compiled = compileFilter(filter);
    if (!compiled) return RTERROR;
    std::string mode = str != nullptr ? zrxhost::upperAscii(str) : std::string();
    if (!mode.empty() && mode.front() == '_') mode.erase(0, 1);

    std::vector<ZcDbObjectId> found;
    bool asked = false;
    if (mode.empty() || mode.front() == ':') {
        // ":$", ":S" and their combination.
        bool custom = mode.find(":$") != std::string::npos;
        bool single = mode.find(":S") != std::string::npos;
        std::string rest = mode;
        for (const char* m : {":$", ":S"}) {
            size_t at;
            while ((at = rest.find(m)) != std::string::npos) rest.erase(at, 2);
        }
        if (!rest.empty()) return RTERROR;
        const char* const* prompts = custom ? static_cast<const char* const*>(pt1) : nullptr;
        if (custom && prompts == nullptr) return RTERROR;
        int rc = askSelection(custom ? prompts[0] : nullptr, custom ? prompts[1] : "\nRemove objects: ", single, found);
        if (rc != RTNORM) return rc;
        asked = true;
    } else if (mode == "X") {
        found = everything();
    } else if (mode == "L") {
        found = lastShown();
    } else if (mode == "P") {
        found = previousSelection();
    } else if (mode == "W" || mode == "C") {
        if (pt1 == nullptr || pt2 == nullptr) return RTERROR;
        // The corners are UCS points; the window is a rectangle of the display.
        const double* a = static_cast<const double*>(pt1);
        const double* b = static_cast<const double*>(pt2);
        found = inRegion(rectangle(ucsToWorld({a[X], a[Y], a[Z]}), ucsToWorld({b[X], b[Y], b[Z]})), mode == "C");
    } else if (mode == "WP" || mode == "CP") {
        auto poly = polygonFrom(static_cast<const resbuf*>(pt1));
        if (!poly) return RTERROR;
        found = inRegion(*poly, mode == "CP");
    } else {
        return RTERROR;
    }

    if (!compiled->children.empty()) {
        zrxhost::HostAccess access;
        size_t before = found.size();
        std::erase_if(found, [&](ZcDbObjectId id) {
            auto* e = zrxhost::peek<ZcDbEntity>(id);
            return e == nullptr || !filterMatches(*compiled, e);
        });
        if (asked && found.size() < before) write("\n" + std::to_string(before - found.size()) + " were filtered out.\n");
    }
    if (found.empty()) return RTERROR;
    previousSelection() = found;
    return newSet(std::move(found), ss) ? RTNORM : RTERROR;
}
