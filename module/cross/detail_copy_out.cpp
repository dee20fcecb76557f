#include "cross/detail_copy_out.h"

#include <memory>

#include "core/model_space_append.h"
#include "core/model_space_walk.h"
#include "core/single_xdata.h"
#include "cross/region_extract.h"
#include "stiffener/stiff_plate_lines.h"

bool TrevanCom_PlateLineCandidates(ZcDbDatabase* pDb, ZcDbObjectIdArray& candidates)
{
    CModelSpaceWalk walk(pDb);
    if (walk.failure() != CModelSpaceWalk::kNone) {
        walk.reportFailure();
        return false;
    }
    walk.visit([&](const ZcDbEntity& ent) {
        CString handle;
        if (TrevanComARX_GetXdataStr(&ent, TREVANCOM_PLATE_LINE_APP, handle) == 1 && !handle.IsEmpty())
            candidates.append(ent.objectId());
        return true;
    });
    return true;
}

bool TrevanCom_CrossTurnedCutOut(const ZcGePoint3d& corner1, const ZcGePoint3d& corner2,
                                 const ZcDbObjectIdArray& candidates, const ZcGeMatrix3d& turn,
                                 ZcDbObjectIdArray& temps)
{
    ZcDbObjectIdArray taken;
    ZcDbVoidPtrArray inside, outside;
    TrevanCom_ExtractCrossRegion(corner1, corner2, candidates, taken, inside, outside);
    for (void* p : outside) delete static_cast<ZcDbEntity*>(p);
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    for (void* p : inside) {
        auto* pPiece = static_cast<ZcDbEntity*>(p);
        ZcDbObjectId id;
        if (pPiece->transformBy(turn) == Zcad::eOk && TrevanCom_AppendToModelSpace(pPiece, id, pDb))
            temps.append(id);
        else
            delete pPiece;
    }
    return !temps.isEmpty();
}

ZcDbDatabase* TrevanCom_CrossCopyTemps(const ZcDbObjectIdArray& temps)
{
    auto pCopy = std::make_unique<ZcDbDatabase>(false, true);
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    if (pDb->wblock(pCopy.get(), temps, ZcGePoint3d::kOrigin, ZcDb::kDrcIgnore) != Zcad::eOk) return nullptr;
    return pCopy.release();
}

bool TrevanCom_CrossInsertCopy(ZcDbDatabase* pCopy, const ZcGeMatrix3d& ucs)
{
    std::unique_ptr<ZcDbDatabase> copy(pCopy);
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    return pDb->insert(ucs, copy.get(), true) == Zcad::eOk;
}
