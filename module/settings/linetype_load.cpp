#include "settings/linetype_load.h"

#include "core/record_names.h"
#include "settings/registry_value.h"

namespace {

// The line type file to load from: the product's own first, the CAD's metric one after.
bool findLinetypeFile(CString& strFile)
{
    char szPath[1024];
    for (const char* name : {"Trevan.lin", "acadiso.lin"}) {
        if (zcedFindFile(name, szPath, sizeof szPath) == RTNORM) {
            strFile = szPath;
            return true;
        }
    }
    CString strCad;
    if (!TrevanCom_GetAutoCADPath(strCad)) return false;
    if (zcedFindFile(strCad + "\\Support\\acadiso.lin", szPath, sizeof szPath) != RTNORM) return false;
    strFile = szPath;
    return true;
}

}  // namespace

bool TrevanCom_SearchLinetype(const CString& strName, ZcDbDatabase* pDb)
{
    if (pDb == nullptr) return false;
    ZcDbLinetypeTable* pTable = nullptr;
    if (pDb->getLinetypeTable(pTable, ZcDb::kForRead) != Zcad::eOk) {
        zcutPrintf("\n getLinetypeTable Error");
        return false;
    }
    bool bFound = false;
    TrevanCom_VisitRecordNames(pTable, [&](const char* name) {
        bFound = strName.CompareNoCase(name) == 0;
        return !bFound;
    });
    pTable->close();
    return bFound;
}

bool TrevanCom_LoadLineType(const CString& strName, ZcDbDatabase* pDb)
{
    if (pDb == nullptr) return false;
    if (TrevanCom_SearchLinetype(strName, pDb)) return true;
    CString strFile;
    if (!findLinetypeFile(strFile)) return false;
    return pDb->loadLineTypeFile(strName, strFile) == Zcad::eOk;
}
