#include "settings/object_colour.h"

int TrevanCom_GetObjCol(ZcDbObjectId objId)
{
    ZcDbObjectId layerId;
    {
        ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForRead);
        if (pEnt.openStatus() != Zcad::eOk) return 0;
        int nColor = pEnt->colorIndex();
        if (nColor != 0 && nColor != 256) return nColor;
        layerId = pEnt->layerId();
    }
    ZcDbObjectPointer<ZcDbLayerTableRecord> pLayer(layerId, ZcDb::kForRead);
    if (pLayer.openStatus() != Zcad::eOk) return 0;
    return pLayer->color().colorIndex();
}

bool TrevanCom_SetObjCol(ZcDbObjectId objId, int nColor)
{
    if (TrevanCom_GetObjCol(objId) == nColor) return true;
    if (nColor < 0 || nColor > 256) return false;
    ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForWrite);
    if (pEnt.openStatus() != Zcad::eOk) return false;
    return pEnt->setColorIndex(static_cast<uint16_t>(nColor), true) == Zcad::eOk;
}
