// UCS per drawing, filed under the drawing's key as its view is.
#include "editor/ucs_state.h"

#include <unordered_map>

#include "editor/view_state.h"

namespace zrxhost::ed {
namespace {

std::unordered_map<int64_t, ZcGeMatrix3d>& systems()
{
    static std::unordered_map<int64_t, ZcGeMatrix3d> ucs;
    return ucs;
}

ZcDbDatabase* orWorking(ZcDbDatabase* db)
{
    return db != nullptr ? db : zcdbHostApplicationServices()->workingDatabase();
}

}  // namespace

const ZcGeMatrix3d& ucsOf(ZcDbDatabase* db)
{
    static const ZcGeMatrix3d world;
    auto it = systems().find(drawingKey(orWorking(db)));
    return it != systems().end() ? it->second : world;
}

void setUcs(ZcDbDatabase* db, const ZcGeMatrix3d& ucsToWorld)
{
    int64_t key = drawingKey(orWorking(db));
    // The world needs no entry: a drawing without one is in the world.
    if (ucsToWorld.isEqualTo(ZcGeMatrix3d::kIdentity)) {
        systems().erase(key);
    } else {
        systems()[key] = ucsToWorld;
    }
}

bool ucsIsWorld() { return ucsOf().isEqualTo(ZcGeMatrix3d::kIdentity); }

ZcGePoint3d ucsToWorld(const ZcGePoint3d& p) { return ucsOf() * p; }

ZcGePoint3d worldToUcs(const ZcGePoint3d& p) { return ucsOf().inverse() * p; }

}  // namespace zrxhost::ed
