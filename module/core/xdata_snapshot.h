// An entity's xdata as it stood before a record write, so that a write refused halfway
// (after the old record was cleared, or after some of its applications were written)
// leaves the entity as it was.
#pragma once

#include "zrx.h"

class CXdataSnapshot {
public:
    // Copies every application's xdata of the entity, which must be open.
    explicit CXdataSnapshot(const ZcDbEntity* pEnt);
    ~CXdataSnapshot();
    CXdataSnapshot(const CXdataSnapshot&) = delete;
    CXdataSnapshot& operator=(const CXdataSnapshot&) = delete;

    // Puts the xdata back as it was, applications in their old order; an entity open for
    // read is upgraded. False when the entity refuses the change.
    bool restore(ZcDbEntity* pEnt) const;
    // The same for an entity that is not open.
    bool restore(ZcDbObjectId objId) const;

private:
    resbuf* m_pXdata = nullptr;
};
