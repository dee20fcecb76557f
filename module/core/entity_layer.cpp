#include "core/entity_layer.h"

bool TrevanCom_GetLayerName(ZcDbObjectId objId, CString& strLayer)
{
    ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForRead);
    if (pEnt.openStatus() != Zcad::eOk) return false;
    char* name = pEnt->layer();
    strLayer = name != nullptr ? name : "";
    zcutDelString(name);
    return true;
}

CString TrevanComARX_GetEntityLayerName(ZcDbObjectId objId)
{
    CString strLayer;
    if (!TrevanCom_GetLayerName(objId, strLayer)) return CString("0");
    return strLayer;
}
