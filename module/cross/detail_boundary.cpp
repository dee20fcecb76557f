#include "cross/detail_boundary.h"

#include "core/model_space_append.h"
#include "core/model_space_walk.h"
#include "settings/linetype_load.h"

bool TrevanCom_CrossDrawBoundary(ZcDbObjectId& boundaryId, ZcGePoint3d& maxPt, ZcGePoint3d& minPt)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    for (const char* name : {"CENTER", "PHANTOM2"}) {
        if (TrevanCom_SearchLinetype(name, pDb)) continue;
        if (!TrevanCom_LoadLineType(name, pDb)) {
            zcutPrintf("\n線種のロードができませんでした。");
            return false;
        }
    }
    ZcDbExtents all;
    bool any = false;
    {
        CModelSpaceWalk walk(pDb);
        if (walk.failure() != CModelSpaceWalk::kNone) {
            walk.reportFailure();
            return false;
        }
        walk.visit([&](const ZcDbEntity& ent) {
            ZcDbExtents ext;
            if (ent.getGeomExtents(ext) != Zcad::eOk) return true;
            if (!any) {
                all = ext;
                any = true;
            } else {
                all.addPoint(ext.minPoint());
                all.addPoint(ext.maxPoint());
            }
            return true;
        });
    }
    if (!any) return false;
    minPt = all.minPoint();
    maxPt = all.maxPoint();
    auto* pRect = new ZcDbPolyline(4);
    const ZcGePoint2d corners[] = {{minPt.x, minPt.y}, {maxPt.x, minPt.y}, {maxPt.x, maxPt.y}, {minPt.x, maxPt.y}};
    for (unsigned i = 0; i < 4; ++i) pRect->addVertexAt(i, corners[i], 0.0, -1.0, -1.0);
    pRect->setClosed(true);
    pRect->setDatabaseDefaults(pDb);
    pRect->setColorIndex(6);
    pRect->setLinetype("PHANTOM2");
    if (!TrevanCom_AppendToModelSpace(pRect, boundaryId, pDb)) {
        delete pRect;
        return false;
    }
    return true;
}
