#include "core/table_ids.h"

int TrevanComARX_GetBlockRecordId(const char* blockName, ZcDbDatabase* pDb, ZcDbObjectId& blockId)
{
    if (pDb == nullptr || blockName == nullptr) return 0;
    ZcDbBlockTable* pTable = nullptr;
    if (pDb->getBlockTable(pTable, ZcDb::kForRead) != Zcad::eOk) return 0;
    ZcDbObjectId found;
    bool bHas = pTable->getAt(blockName, found) == Zcad::eOk;
    pTable->close();
    if (!bHas) return 0;
    blockId = found;
    return 1;
}

bool TrevanComARX_GetTextStyleId(const char* styleName, ZcDbObjectId& styleId, ZcDbDatabase* pDb)
{
    if (pDb == nullptr) return false;
    ZcDbTextStyleTable* pTable = nullptr;
    if (pDb->getTextStyleTable(pTable, ZcDb::kForRead) != Zcad::eOk) return false;
    ZcDbObjectId found;
    if (styleName == nullptr || pTable->getAt(styleName, found) != Zcad::eOk) found = ZcDbObjectId::kNull;
    styleId = found;
    pTable->close();
    return true;
}
