#include "cross/cross_draw_documents.h"

namespace {

ZcDbObjectId stiffLayer(ZcDbDatabase* pDb)
{
    ZcDbObjectId id;
    ZcDbObjectPointer<ZcDbLayerTable> pTable(pDb->layerTableId(), ZcDb::kForRead);
    if (pTable.openStatus() == Zcad::eOk) pTable->getAt("STIFF", id);
    return id;
}

}  // namespace

CCrossDrawDocuments::CCrossDrawDocuments() : m_pPlan(curDoc())
{
    if (m_pPlan == nullptr || !lock(m_pPlan)) return;
    m_bPlanLocked = true;
    m_layerId = stiffLayer(m_pPlan->database());
    if (m_layerId.isNull() || !TrevanComARX_GetLayerStatus(m_layerId, m_savedLayer)) return;
    m_bLayerHeld = true;
    TrevanComARX_SetLayerStatus(m_layerId,
                                CLayerStatus(false, false, m_savedLayer.m_bOff, m_savedLayer.m_bPlottable));
}

CCrossDrawDocuments::~CCrossDrawDocuments()
{
    givePlanBack();
    releaseDetail();
}

bool CCrossDrawDocuments::lock(ZcApDocument* pDoc)
{
    return zcDocManager->lockDocument(pDoc, ZcAp::kWrite, nullptr, nullptr, true) == Zcad::eOk;
}

void CCrossDrawDocuments::unlock(ZcApDocument* pDoc, bool& bLocked)
{
    if (!bLocked) return;
    zcDocManager->unlockDocument(pDoc);
    bLocked = false;
}

bool CCrossDrawDocuments::openDetail()
{
    unlock(m_pPlan, m_bPlanLocked);
    if (zcDocManager->appContextNewDocument("") != Zcad::eOk) return false;
    m_pDetail = curDoc();
    if (m_pDetail == nullptr || m_pDetail == m_pPlan) {
        m_pDetail = nullptr;
        return false;
    }
    m_bDetailLocked = lock(m_pDetail);
    return m_bDetailLocked;
}

void CCrossDrawDocuments::givePlanBack()
{
    if (m_temps.isEmpty() && !m_bLayerHeld) {
        unlock(m_pPlan, m_bPlanLocked);
        return;
    }
    const bool bDetailWasLocked = m_bDetailLocked;
    unlock(m_pDetail, m_bDetailLocked);
    if (!m_bPlanLocked) m_bPlanLocked = lock(m_pPlan);
    for (ZcDbObjectId id : m_temps) {
        ZcDbObjectPointer<ZcDbEntity> pEnt(id, ZcDb::kForWrite);
        if (pEnt.openStatus() == Zcad::eOk) pEnt->erase();
    }
    m_temps.setLogicalLength(0);
    if (m_bLayerHeld) TrevanComARX_SetLayerStatus(m_layerId, m_savedLayer);
    m_bLayerHeld = false;
    unlock(m_pPlan, m_bPlanLocked);
    if (bDetailWasLocked) m_bDetailLocked = lock(m_pDetail);
}

void CCrossDrawDocuments::releaseDetail() { unlock(m_pDetail, m_bDetailLocked); }
