#include "core/zoom.h"

#include <algorithm>
#include <cmath>

#include "core/all_entities.h"
#include "core/geom_extents.h"

bool TrevanComARX_ZoomCurDwg()
{
    ZcGsView* pView = zcgsGetGsView(2, true);
    if (pView == nullptr) {
        zcutPrintf("\nズームに失敗しました.");
        return false;
    }
    ZcDbObjectIdArray objIds;
    ZcGePoint3d maxPt, minPt;
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    if (pDb == nullptr || !TrevanCom_GetAllObjectIdArray(pDb, objIds, "") ||
        !TrevanComARX_GetGeomExtents(objIds, maxPt, minPt)) {
        // The sheet frame the product draws on.
        minPt.set(607.44, 0.0, 0.0);
        maxPt.set(2707.44, 2970.0, 0.0);
    }
    double width = std::fabs(maxPt.x - minPt.x);
    double height = std::fabs(maxPt.y - minPt.y);
    ZcGePoint3d target(minPt.x + width / 2, minPt.y + height / 2, 0.0);
    ZcGePoint3d eye(target.x, target.y, std::max(maxPt.x, maxPt.y));
    pView->setView(eye, target, ZcGeVector3d(0, 1, 0), width, height, ZcGsView::kParallel);
    return zcgsSetViewParameters(2, pView, true, true, false);
}
