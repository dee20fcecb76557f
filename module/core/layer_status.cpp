#include "core/layer_status.h"

namespace {

ZcDbObjectId findLayer(const char* layerName)
{
    ZcDbObjectId id;
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    if (db == nullptr || layerName == nullptr || *layerName == '\0') return id;
    ZcDbLayerTable* table = nullptr;
    if (db->getLayerTable(table, ZcDb::kForRead) != Zcad::eOk) return id;
    if (table->getAt(layerName, id) != Zcad::eOk) id = ZcDbObjectId::kNull;
    table->close();
    return id;
}

ZcDbObjectId layerOfEntity(ZcDbObjectId entityId)
{
    ZcDbObjectPointer<ZcDbEntity> ent(entityId, ZcDb::kForRead);
    return ent.openStatus() == Zcad::eOk ? ent->layerId() : ZcDbObjectId::kNull;
}

}  // namespace

bool TrevanComARX_GetLayerStatus(ZcDbObjectId layerId, CLayerStatus& status)
{
    ZcDbObjectPointer<ZcDbLayerTableRecord> layer(layerId, ZcDb::kForRead);
    if (layer.openStatus() != Zcad::eOk) return false;
    status = CLayerStatus(layer->isFrozen(), layer->isLocked(), layer->isOff(), layer->isPlottable());
    return true;
}

bool TrevanComARX_SetLayerStatus(ZcDbObjectId layerId, const CLayerStatus& status)
{
    ZcDbObjectPointer<ZcDbLayerTableRecord> layer(layerId, ZcDb::kForWrite);
    if (layer.openStatus() != Zcad::eOk) return false;
    layer->setIsFrozen(status.m_bFrozen);
    layer->setIsLocked(status.m_bLocked);
    layer->setIsOff(status.m_bOff);
    return layer->setIsPlottable(status.m_bPlottable) == Zcad::eOk;
}

bool TrevanComARX_GetLayerStatus(const char* layerName, CLayerStatus& status)
{
    return TrevanComARX_GetLayerStatus(findLayer(layerName), status);
}

bool TrevanComARX_SetLayerStatus(const char* layerName, const CLayerStatus& status)
{
    return TrevanComARX_SetLayerStatus(findLayer(layerName), status);
}

CLayerEditGuard::CLayerEditGuard(const char* layerName) { hold(findLayer(layerName)); }

CLayerEditGuard::CLayerEditGuard(ZcDbObjectId entityId) { hold(layerOfEntity(entityId)); }

void CLayerEditGuard::hold(ZcDbObjectId layerId)
{
    if (!TrevanComARX_GetLayerStatus(layerId, m_saved)) return;
    m_layerId = layerId;
    m_bHeld = true;
    CLayerStatus open = m_saved;
    open.m_bFrozen = false;
    open.m_bLocked = false;
    TrevanComARX_SetLayerStatus(m_layerId, open);
}

CLayerEditGuard::~CLayerEditGuard()
{
    if (m_bHeld) TrevanComARX_SetLayerStatus(m_layerId, m_saved);
}
