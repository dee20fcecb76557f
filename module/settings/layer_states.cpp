#include "settings/layer_states.h"

#include "core/entity_layer.h"

namespace {

ZcDbObjectId layerId(const CString& strLayer)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    ZcDbObjectId id;
    if (pDb == nullptr) return id;
    ZcDbObjectPointer<ZcDbLayerTable> pTable(pDb->layerTableId(), ZcDb::kForRead);
    if (pTable.openStatus() != Zcad::eOk || pTable->getAt(strLayer, id) != Zcad::eOk) return ZcDbObjectId();
    return id;
}

}  // namespace

bool TrevanCom_GetLayerInfo(const CString& strLayer, bool& bFrozen, bool& bLocked, bool& bOff)
{
    bFrozen = bLocked = bOff = false;
    ZcDbObjectId id = layerId(strLayer);
    if (id.isNull()) return false;
    ZcDbObjectPointer<ZcDbLayerTableRecord> pLayer(id, ZcDb::kForRead);
    if (pLayer.openStatus() != Zcad::eOk) return false;
    bFrozen = pLayer->isFrozen();
    bLocked = pLayer->isLocked();
    bOff = pLayer->isOff();
    return true;
}

bool TrevanCom_GetLayerInfo(ZcDbObjectId objId, bool& bFrozen, bool& bLocked, bool& bOff)
{
    CString strLayer;
    if (!TrevanCom_GetLayerName(objId, strLayer)) {
        bFrozen = bLocked = bOff = false;
        return false;
    }
    return TrevanCom_GetLayerInfo(strLayer, bFrozen, bLocked, bOff);
}

void TrevanCom_GetLayerInfo(const ZcDbObjectIdArray& objIds, CStringArray& layers, ZcArray<BOOL>& frozen,
                            ZcArray<BOOL>& locked, ZcArray<BOOL>& off)
{
    CStringArray names;
    TrevanCom_GetLayerName(objIds, names);
    for (INT_PTR i = 0; i < names.GetSize(); ++i) {
        bool bFrozen = false, bLocked = false, bOff = false;
        if (!TrevanCom_GetLayerInfo(names[i], bFrozen, bLocked, bOff)) continue;
        layers.Add(names[i]);
        frozen.append(bFrozen ? TRUE : FALSE);
        locked.append(bLocked ? TRUE : FALSE);
        off.append(bOff ? TRUE : FALSE);
    }
}

bool TrevanCom_SetLayerInfo(const CString& strLayer, bool bFrozen, bool bLocked, bool bOff)
{
    ZcDbObjectId id = layerId(strLayer);
    if (id.isNull()) return false;
    ZcDbObjectPointer<ZcDbLayerTableRecord> pLayer(id, ZcDb::kForWrite);
    if (pLayer.openStatus() != Zcad::eOk) return false;
    pLayer->setIsFrozen(bFrozen);
    pLayer->setIsLocked(bLocked);
    pLayer->setIsOff(bOff);
    return true;
}

void TrevanCom_SetLayerInfo(const CStringArray& layers, bool bFrozen, bool bLocked, bool bOff)
{
    for (INT_PTR i = 0; i < layers.GetSize(); ++i) TrevanCom_SetLayerInfo(layers[i], bFrozen, bLocked, bOff);
}

void TrevanCom_SetLayerInfo(const CStringArray& layers, const ZcArray<BOOL>& frozen, const ZcArray<BOOL>& locked,
                            const ZcArray<BOOL>& off)
{
    for (int i = 0; i < static_cast<int>(layers.GetSize()); ++i) {
        if (i >= frozen.length() || i >= locked.length() || i >= off.length()) break;
        TrevanCom_SetLayerInfo(layers[i], frozen[i] != FALSE, locked[i] != FALSE, off[i] != FALSE);
    }
}

bool TrevanCom_GetLayerName(const ZcDbObjectIdArray& objIds, CStringArray& layers)
{
    for (int i = 0; i < objIds.length(); ++i) {
        CString strLayer;
        if (!TrevanCom_GetLayerName(objIds[i], strLayer)) continue;
        bool bSeen = false;
        for (INT_PTR k = 0; k < layers.GetSize() && !bSeen; ++k) bSeen = layers[k].CompareNoCase(strLayer) == 0;
        if (!bSeen) layers.Add(strLayer);
    }
    return true;
}
