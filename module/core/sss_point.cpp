#include "core/sss_point.h"

#include <memory>

int TrevanComARX_GetSSSOpt(ZcDbDatabase* pDb, ZcGePoint3d& basePt)
{
    ZcDbBlockTable* pTable = nullptr;
    if (pDb == nullptr || pDb->getBlockTable(pTable, ZcDb::kForRead) != Zcad::eOk) {
        zcutPrintf("\n getBlockTable Error");
        return 0;
    }
    ZcDbBlockTableRecord* pModel = nullptr;
    Zcad::ErrorStatus es = pTable->getAt(ZCDB_MODEL_SPACE, pModel, ZcDb::kForRead);
    pTable->close();
    if (es != Zcad::eOk) {
        zcutPrintf("\n AcDbBlockTableRecord getAt Error");
        return 0;
    }
    ZcDbBlockTableRecordIterator* pRawIter = nullptr;
    es = pModel->newIterator(pRawIter);
    std::unique_ptr<ZcDbBlockTableRecordIterator> pIter(pRawIter);
    if (es != Zcad::eOk || !pIter) {
        pModel->close();
        zcutPrintf("\n newIterator Error");
        return 0;
    }
    int nFound = 0;
    for (; !pIter->done() && nFound == 0; pIter->step()) {
        ZcDbEntity* pEnt = nullptr;
        if (pIter->getEntity(pEnt, ZcDb::kForRead) != Zcad::eOk) continue;
        ZcDbPoint* pPoint = ZcDbPoint::cast(pEnt);
        if (pPoint != nullptr && pPoint->hasXData("DCLS")) {
            basePt = pPoint->position();
            nFound = 1;
        }
        pEnt->close();
    }
    pModel->close();
    return nFound;
}
