#include "settings/text_styles.h"

#include "core/record_names.h"

void TrevanCom_GetTextStyleArray(CStringArray& names, ZcDbDatabase* pDb)
{
    if (pDb == nullptr) return;
    ZcDbTextStyleTable* pTable = nullptr;
    if (pDb->getTextStyleTable(pTable, ZcDb::kForRead) != Zcad::eOk) {
        zcutPrintf("\n getTextStyleTable Error");
        return;
    }
    TrevanCom_VisitRecordNames(pTable, [&names](const char* name) {
        names.Add(name);
        return true;
    });
    pTable->close();
}
