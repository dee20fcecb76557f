#include "core/xdata_snapshot.h"

namespace {

// A chain of the bare name of every application the entity carries: set, it removes them all.
resbuf* removalOfEvery(const ZcDbEntity* pEnt)
{
    resbuf* current = pEnt->xData(nullptr);
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (const resbuf* rb = current; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype != 1001) continue;
        *tail = zcutBuildList(1001, rb->resval.rstring, 0);
        if (*tail == nullptr) break;
        tail = &(*tail)->rbnext;
    }
    zcutRelRb(current);
    return head;
}

}  // namespace

CXdataSnapshot::CXdataSnapshot(const ZcDbEntity* pEnt) : m_pXdata(pEnt != nullptr ? pEnt->xData(nullptr) : nullptr) {}

CXdataSnapshot::~CXdataSnapshot() { zcutRelRb(m_pXdata); }

bool CXdataSnapshot::restore(ZcDbEntity* pEnt) const
{
    if (pEnt == nullptr) return false;
    Zcad::ErrorStatus es = pEnt->isWriteEnabled() ? Zcad::eOk : pEnt->upgradeOpen();
    // Setting an application keeps its place, a new one goes last: the old order comes back
    // only when everything is taken off first.
    resbuf* removal = removalOfEvery(pEnt);
    if (es == Zcad::eOk && removal != nullptr) es = pEnt->setXData(removal);
    zcutRelRb(removal);
    if (es == Zcad::eOk && m_pXdata != nullptr) es = pEnt->setXData(m_pXdata);
    return es == Zcad::eOk;
}

bool CXdataSnapshot::restore(ZcDbObjectId objId) const
{
    ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForWrite);
    return ent.openStatus() == Zcad::eOk && restore(ent.object());
}
