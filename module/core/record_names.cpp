#include "core/record_names.h"

#include <memory>

bool TrevanCom_VisitRecordNames(ZcDbSymbolTable* pTable, const std::function<bool(const char* name)>& visitName)
{
    ZcDbSymbolTableIterator* pIterRaw = nullptr;
    Zcad::ErrorStatus es = pTable->newIterator(pIterRaw);
    std::unique_ptr<ZcDbSymbolTableIterator> pIter(pIterRaw);
    if (es != Zcad::eOk || pIter == nullptr) {
        zcutPrintf("\n newIterator Error");
        return false;
    }
    bool bGoOn = true;
    for (; bGoOn && !pIter->done(); pIter->step()) {
        ZcDbSymbolTableRecord* pRecord = nullptr;
        if (pIter->getRecord(pRecord, ZcDb::kForRead) != Zcad::eOk) continue;
        const char* pName = nullptr;
        bGoOn = pRecord->getName(pName) != Zcad::eOk || visitName(pName);
        pRecord->close();
    }
    return true;
}
