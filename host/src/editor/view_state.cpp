// Views per drawing.
#include "editor/view_state.h"

#include <algorithm>
#include <unordered_map>

#include "db/database_impl.h"
#include "zrxhost/contract.h"
#include "zrxhost/spaces.h"

namespace zrxhost::ed {

int64_t drawingKey(const ZcDbDatabase* db) { return db != nullptr && zrxhost::stateOf(db) != nullptr ? zrxhost::stateOf(db)->serial() : 0; }

ViewState& viewOf(ZcDbDatabase* db)
{
    static std::unordered_map<int64_t, ViewState> views;
    if (db == nullptr) db = zcdbHostApplicationServices()->workingDatabase();
    return views[drawingKey(db)];
}

double pixelSize(ZcDbDatabase* db) { return viewOf(db).height / kScreenHeight; }

bool zoomExtents(ZcDbDatabase* db)
{
    if (db == nullptr) db = zcdbHostApplicationServices()->workingDatabase();
    if (db == nullptr) return false;
    zrxhost::HostAccess access;
    auto* ms = zrxhost::peek<ZcDbBlockTableRecord>(zrxhost::modelSpaceId(db));
    if (ms == nullptr) return false;
    ZcDbExtents all;
    for (ZcDbObjectId id : zrxhost::entityIds(ms)) {
        if (id.isErased()) continue;
        auto* e = zrxhost::peek<ZcDbEntity>(id);
        ZcDbExtents ext;
        if (e != nullptr && e->getGeomExtents(ext) == Zcad::eOk && !zrxhost::isEmpty(ext)) all.addExt(ext);
    }
    if (zrxhost::isEmpty(all)) return false;
    ViewState& v = viewOf(db);
    ZcGePoint3d lo = all.minPoint(), hi = all.maxPoint();
    v.center.set((lo.x + hi.x) / 2, (lo.y + hi.y) / 2, 0.0);
    double aspect = static_cast<double>(kScreenWidth) / kScreenHeight;
    double h = std::max(hi.y - lo.y, (hi.x - lo.x) / aspect);
    v.height = h > 0 ? h * 1.05 : 1.0;
    return true;
}

}  // namespace zrxhost::ed
