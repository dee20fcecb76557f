// Highlighting and temporary vectors, kept for commands and tests to read.
#include <set>
#include <unordered_map>

#include "editor/editor.h"
#include "editor/selection_sets.h"
#include "editor/ucs_state.h"
#include "editor/view_state.h"
#include "zrx/ed_display.h"
#include "zrxhost/display_state.h"

namespace zrxhost {
namespace {
std::set<ZcDbObjectId>& highlighted()
{
    static std::set<ZcDbObjectId> s;
    return s;
}
std::set<ZcDbObjectId>& undrawn()
{
    static std::set<ZcDbObjectId> s;
    return s;
}
std::set<ZcDbObjectId>& pending()
{
    static std::set<ZcDbObjectId> s;
    return s;
}
// Each drawing's view keeps its own vectors, as each document window does.
std::unordered_map<int64_t, std::vector<GrVector>>& vectorsByDrawing()
{
    static std::unordered_map<int64_t, std::vector<GrVector>> v;
    return v;
}
std::vector<GrVector>& vectors(const ZcDbDatabase* db = nullptr)
{
    if (db == nullptr) db = zcdbHostApplicationServices()->workingDatabase();
    return vectorsByDrawing()[ed::drawingKey(db)];
}
}  // namespace

bool isHighlighted(ZcDbObjectId id) { return highlighted().count(id) != 0; }
bool isUndrawn(ZcDbObjectId id) { return undrawn().count(id) != 0; }
const std::vector<GrVector>& grDrawVectors() { return vectors(); }
const std::vector<GrVector>& grDrawVectors(const ZcDbDatabase* db) { return vectors(db); }
void clearGrDrawVectors(const ZcDbDatabase* db) { vectors(db).clear(); }
bool isGraphicsPending(ZcDbObjectId id) { return pending().count(id) != 0; }
void markGraphicsPending(ZcDbObjectId id)
{
    if (!id.isNull()) pending().insert(id);
}

void resetDisplayState()
{
    highlighted().clear();
    undrawn().clear();
    pending().clear();
    vectorsByDrawing().clear();
}

}  // namespace zrxhost

int zcedRedraw(const ads_name ent, int mode)
{
    using namespace zrxhost;
    if (mode < 1 || mode > 4) return RTERROR;
    std::vector<ZcDbObjectId> ids;
    if (ent == nullptr || (ent[0] == 0 && ent[1] == 0)) {
        if (mode != 1) return RTERROR;
        clearGrDrawVectors(zcdbHostApplicationServices()->workingDatabase());
        undrawn().clear();
        return RTNORM;
    }
    if (const ed::SelectionSet* s = ed::findSet(ent)) {
        ids = s->ids;
    } else {
        ZcDbObjectId id = ed::idOf(ent);
        if (id.isNull()) return RTERROR;
        ids.push_back(id);
    }
    for (ZcDbObjectId id : ids) {
        switch (mode) {
        case 1: undrawn().erase(id); break;
        case 2: undrawn().insert(id); break;
        case 3: highlighted().insert(id); break;
        case 4: highlighted().erase(id); break;
        }
    }
    return RTNORM;
}

int zcedGrDraw(const ads_point from, const ads_point to, int color, int hl)
{
    if (from == nullptr || to == nullptr) return RTERROR;
    // Kept in the world, so that a later change of the UCS does not move what was drawn.
    const ZcGePoint3d a = zrxhost::ed::ucsToWorld(ZcGePoint3d(from[X], from[Y], from[Z]));
    const ZcGePoint3d b = zrxhost::ed::ucsToWorld(ZcGePoint3d(to[X], to[Y], to[Z]));
    zrxhost::vectors().push_back({a, b, color, hl != 0});
    return RTNORM;
}

int zcedGrVecs(const resbuf* vlist, ads_matrix mat)
{
    using zrxhost::GrVector;
    std::vector<GrVector> drawn;
    int color = 7;
    const ZcGePoint3d* from = nullptr;
    ZcGePoint3d start;
    auto place = [&](const resbuf* rb) {
        ZcGePoint3d p(rb->resval.rpoint[X], rb->resval.rpoint[Y], rb->restype == RT3DPOINT ? rb->resval.rpoint[Z] : 0.0);
        if (mat != nullptr) {
            const double w = mat[3][0] * p.x + mat[3][1] * p.y + mat[3][2] * p.z + mat[3][3];
            ZcGePoint3d q;
            for (int i = 0; i < 3; ++i) q[i] = mat[i][0] * p.x + mat[i][1] * p.y + mat[i][2] * p.z + mat[i][3];
            p = w != 0.0 ? ZcGePoint3d(q.x / w, q.y / w, q.z / w) : q;
        }
        return zrxhost::ed::ucsToWorld(p);
    };
    for (const resbuf* rb = vlist; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype == RTSHORT) {
            color = rb->resval.rint;
        } else if (rb->restype == RTPOINT || rb->restype == RT3DPOINT) {
            if (from == nullptr) {
                start = place(rb);
                from = &start;
                continue;
            }
            drawn.push_back({*from, place(rb), color > 255 ? -1 : color < 0 ? 7 : color, color < 0});
            from = nullptr;
        } else {
            return RTERROR;
        }
    }
    if (from != nullptr) return RTERROR;
    auto& v = zrxhost::vectors();
    v.insert(v.end(), drawn.begin(), drawn.end());
    return RTNORM;
}

void zcedUpdateDisplay() { zrxhost::pending().clear(); }
