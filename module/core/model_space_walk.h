// A walk over the model space of a drawing: the block table, its "*Model_Space" record and
// an iterator over it, opened for read for as long as the walk lives.
#pragma once

#include <functional>
#include <memory>

#include "zrx.h"

class CModelSpaceWalk {
public:
    // The step of opening that failed.
    enum Failure { kNone, kBlockTable, kModelSpace, kIterator };

    explicit CModelSpaceWalk(ZcDbDatabase* pDb);
    ~CModelSpaceWalk();
    CModelSpaceWalk(const CModelSpaceWalk&) = delete;
    CModelSpaceWalk& operator=(const CModelSpaceWalk&) = delete;

    Failure failure() const { return m_failure; }
    // Prints "\n getBlockTable Error", "\n AcDbBlockTableRecord getAt Error" or
    // "\n newIterator Error" for the step that failed; nothing when none did.
    void reportFailure() const;

    // Appends the id of every entity, in model-space order, without opening them.
    void appendIds(ZcDbObjectIdArray& ids);
    // Shows every entity that opens for read, in model-space order, until the visit answers
    // false; each is closed again after its visit.
    void visit(const std::function<bool(const ZcDbEntity& ent)>& visitEntity);

private:
    ZcDbBlockTableRecord* m_pModel = nullptr;
    std::unique_ptr<ZcDbBlockTableRecordIterator> m_pIter;
    Failure m_failure = kNone;
};
