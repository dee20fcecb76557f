#include "core/model_space_walk.h"

CModelSpaceWalk::CModelSpaceWalk(ZcDbDatabase* pDb)
{
    ZcDbBlockTable* pTable = nullptr;
    if (pDb == nullptr || pDb->getBlockTable(pTable, ZcDb::kForRead) != Zcad::eOk) {
        m_failure = kBlockTable;
        return;
    }
    Zcad::ErrorStatus es = pTable->getAt(ZCDB_MODEL_SPACE, m_pModel, ZcDb::kForRead);
    pTable->close();
    if (es != Zcad::eOk) {
        m_pModel = nullptr;
        m_failure = kModelSpace;
        return;
    }
    ZcDbBlockTableRecordIterator* pRawIter = nullptr;
    es = m_pModel->newIterator(pRawIter);
    m_pIter.reset(pRawIter);
    if (es != Zcad::eOk || !m_pIter) {
        m_pIter.reset();
        m_failure = kIterator;
    }
}

CModelSpaceWalk::~CModelSpaceWalk()
{
    m_pIter.reset();
    if (m_pModel != nullptr) m_pModel->close();
}

void CModelSpaceWalk::reportFailure() const
{
    switch (m_failure) {
    case kBlockTable: zcutPrintf("\n getBlockTable Error"); break;
    case kModelSpace: zcutPrintf("\n AcDbBlockTableRecord getAt Error"); break;
    case kIterator: zcutPrintf("\n newIterator Error"); break;
    case kNone: break;
    }
}

void CModelSpaceWalk::appendIds(ZcDbObjectIdArray& ids)
{
    if (!m_pIter) return;
    for (; !m_pIter->done(); m_pIter->step()) {
        ZcDbObjectId objId;
        if (m_pIter->getEntityId(objId) == Zcad::eOk) ids.append(objId);
    }
}

void CModelSpaceWalk::visit(const std::function<bool(const ZcDbEntity& ent)>& visitEntity)
{
    if (!m_pIter) return;
    bool bGoOn = true;
    for (; bGoOn && !m_pIter->done(); m_pIter->step()) {
        ZcDbEntity* pEnt = nullptr;
        if (m_pIter->getEntity(pEnt, ZcDb::kForRead) != Zcad::eOk) continue;
        bGoOn = visitEntity(*pEnt);
        pEnt->close();
    }
}
