#include "core/sss_point.h"

#include "core/model_space_walk.h"
#include "core/xdata_presence.h"

int TrevanComARX_GetSSSOpt(ZcDbDatabase* pDb, ZcGePoint3d& basePt)
{
    CModelSpaceWalk walk(pDb);
    if (walk.failure() != CModelSpaceWalk::kNone) {
        walk.reportFailure();
        return 0;
    }
    int nFound = 0;
    walk.visit([&](const ZcDbEntity& ent) {
        const ZcDbPoint* pPoint = ZcDbPoint::cast(&ent);
        if (pPoint == nullptr || !TrevanComARX_HasXdata(pPoint, "DCLS")) return true;
        basePt = pPoint->position();
        nFound = 1;
        return false;
    });
    return nFound;
}
