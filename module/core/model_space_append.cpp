#include "core/model_space_append.h"

bool TrevanCom_AppendToModelSpace(ZcDbEntity* pEnt, ZcDbObjectId& objId, ZcDbDatabase* pDb)
{
    if (pEnt == nullptr || pDb == nullptr) return false;
    ZcDbBlockTable* pTable = nullptr;
    if (pDb->getBlockTable(pTable, ZcDb::kForRead) != Zcad::eOk) return false;
    ZcDbBlockTableRecord* pSpace = nullptr;
    Zcad::ErrorStatus es = pTable->getAt(ZCDB_MODEL_SPACE, pSpace, ZcDb::kForWrite);
    pTable->close();
    if (es != Zcad::eOk) return false;
    ZcDbObjectId newId;
    es = pSpace->appendZcDbEntity(newId, pEnt);
    pSpace->close();
    if (es != Zcad::eOk) return false;
    pEnt->close();
    objId = newId;
    return true;
}
