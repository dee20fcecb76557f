#include "settings/text_styles.h"

#include <memory>

void TrevanCom_GetTextStyleArray(CStringArray& names, ZcDbDatabase* pDb)
{
    if (pDb == nullptr) return;
    ZcDbTextStyleTable* pTable = nullptr;
    if (pDb->getTextStyleTable(pTable, ZcDb::kForRead) != Zcad::eOk) {
        zcutPrintf("\n getTextStyleTable Error");
        return;
    }
    ZcDbSymbolTableIterator* pIterRaw = nullptr;
    Zcad::ErrorStatus es = pTable->newIterator(pIterRaw);
    std::unique_ptr<ZcDbSymbolTableIterator> pIter(pIterRaw);
    if (es != Zcad::eOk || pIter == nullptr) {
        pTable->close();
        zcutPrintf("\n newIterator Error");
        return;
    }
    for (; !pIter->done(); pIter->step()) {
        ZcDbSymbolTableRecord* pRecord = nullptr;
        if (pIter->getRecord(pRecord, ZcDb::kForRead) != Zcad::eOk) continue;
        names.Add(pRecord->name());
        pRecord->close();
    }
    pIter.reset();
    pTable->close();
}
