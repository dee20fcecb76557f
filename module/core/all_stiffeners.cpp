#include "core/all_stiffeners.h"

#include <memory>

bool TrevanCom_GetAllStiffObjectIdArray(ZcDbObjectIdArray& objIds)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    ZcDbBlockTable* pTable = nullptr;
    if (pDb == nullptr || pDb->getBlockTable(pTable, ZcDb::kForRead) != Zcad::eOk) {
        zcutPrintf("\n getBlockTable Error");
        return false;
    }
    ZcDbBlockTableRecord* pModel = nullptr;
    Zcad::ErrorStatus es = pTable->getAt(ZCDB_MODEL_SPACE, pModel, ZcDb::kForRead);
    pTable->close();
    if (es != Zcad::eOk) {
        zcutPrintf("\n AcDbBlockTableRecord getAt Error");
        return false;
    }
    ZcDbBlockTableRecordIterator* pRawIter = nullptr;
    es = pModel->newIterator(pRawIter);
    std::unique_ptr<ZcDbBlockTableRecordIterator> pIter(pRawIter);
    if (es != Zcad::eOk || !pIter) {
        pModel->close();
        zcutPrintf("\n newIterator Error");
        return false;
    }
    // One pass over model space; the presence of the xdata is asked without copying it.
    for (; !pIter->done(); pIter->step()) {
        ZcDbEntity* pEnt = nullptr;
        if (pIter->getEntity(pEnt, ZcDb::kForRead) != Zcad::eOk) continue;
        bool bStiff = pEnt->hasXData("STIFF");
        ZcDbObjectId objId = pEnt->objectId();
        pEnt->close();
        if (bStiff) objIds.append(objId);
    }
    pModel->close();
    return true;
}
