#include "settings/layer_linetype.h"

CString TrevanCom_GetLayerLintype(const CString& strLayer)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    if (pDb == nullptr) return CString();
    ZcDbObjectId linetypeId;
    {
        ZcDbObjectPointer<ZcDbLayerTable> pTable(pDb->layerTableId(), ZcDb::kForRead);
        if (pTable.openStatus() != Zcad::eOk) return CString();
        ZcDbLayerTableRecord* pLayer = nullptr;
        if (pTable->getAt(strLayer, pLayer, ZcDb::kForRead) != Zcad::eOk) return CString();
        linetypeId = pLayer->linetypeObjectId();
        pLayer->close();
    }
    ZcDbObjectPointer<ZcDbLinetypeTableRecord> pLinetype(linetypeId, ZcDb::kForRead);
    const char* pName = nullptr;
    if (pLinetype.openStatus() != Zcad::eOk || pLinetype->getName(pName) != Zcad::eOk) return CString();
    return pName;
}
