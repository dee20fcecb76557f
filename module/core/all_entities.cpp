#include "core/all_entities.h"

#include <memory>

#include "core/str_split.h"

namespace {

void reportOpenFailure(ZcDbDatabase* pDb)
{
    const char* fileName = "";
    if (pDb == nullptr || pDb->getFilename(fileName) != Zcad::eOk || fileName == nullptr) fileName = "";
    zcutPrintf("\n%sのオープンに失敗しました.", fileName);
}

}  // namespace

bool TrevanCom_GetAllObjectIdArray(ZcDbDatabase* pDb, ZcDbObjectIdArray& objIds, const char* appNames)
{
    ZcDbBlockTable* pTable = nullptr;
    if (pDb == nullptr || pDb->getBlockTable(pTable, ZcDb::kForRead) != Zcad::eOk) {
        reportOpenFailure(pDb);
        return false;
    }
    ZcDbBlockTableRecord* pModel = nullptr;
    Zcad::ErrorStatus es = pTable->getAt(ZCDB_MODEL_SPACE, pModel, ZcDb::kForRead);
    pTable->close();
    if (es != Zcad::eOk) {
        reportOpenFailure(pDb);
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
    CStringArray apps;
    if (appNames != nullptr && *appNames != '\0') {
        int nNoCase = 1;
        TrevanComARX_MakeStrArray(CString(appNames), CString(","), apps, nNoCase);
    }
    for (; !pIter->done(); pIter->step()) {
        if (apps.IsEmpty()) {
            ZcDbObjectId objId;
            if (pIter->getEntityId(objId) == Zcad::eOk) objIds.append(objId);
            continue;
        }
        ZcDbEntity* pEnt = nullptr;
        if (pIter->getEntity(pEnt, ZcDb::kForRead) != Zcad::eOk) continue;
        bool bCarries = false;
        for (INT_PTR i = 0; i < apps.GetSize() && !bCarries; ++i) bCarries = pEnt->hasXData(apps[i]);
        ZcDbObjectId objId = pEnt->objectId();
        pEnt->close();
        if (bCarries) objIds.append(objId);
    }
    pModel->close();
    return true;
}
