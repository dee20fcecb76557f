// Copies entities from one drawing into another with what they refer to: layers, line
// types, text and dimension styles, nested blocks and the registered applications of
// their xdata. A record the target has by name is used as it is, or takes the source's
// settings when duplicates are to be replaced.
#pragma once

#include <map>
#include <string>

#include "zrx/zrx_all.h"

namespace zrxhost {

class DrawingCopier {
public:
    DrawingCopier(ZcDbDatabase* from, ZcDbDatabase* to, ZcDb::DuplicateRecordCloning drc = ZcDb::kDrcIgnore)
        : m_from(from), m_to(to), m_drc(drc)
    {
    }

    // A new block named name holding copies of the source block's entities.
    Zcad::ErrorStatus copyBlock(ZcDbObjectId sourceBlock, const std::string& name, ZcDbObjectId& made);
    // Every record of the source's tables and every named block it defines, as far as the
    // target lacks them.
    void mergeTables();
    // A copy of the entity appended to the target's block, transformed when a matrix is given.
    Zcad::ErrorStatus copyEntity(const ZcDbEntity* entity, ZcDbObjectId block, const ZcGeMatrix3d* xform = nullptr);

private:
    Zcad::ErrorStatus copyAttributes(const ZcDbBlockReference* from, ZcDbBlockReference* to, const ZcGeMatrix3d* xform);
    ZcDbObjectId linetype(ZcDbObjectId source);
    template <class Table>
    ZcDbObjectId record(ZcDbObjectId source, ZcDbObjectId table);
    template <class Table>
    void mergeTable(ZcDbObjectId source, ZcDbObjectId target);
    template <class Table, class Record>
    Record* translatedCopy(const Record* from);
    template <class Table, class Record>
    void replaceRecord(ZcDbObjectId existing, const Record* from);
    ZcDbObjectId blockFor(ZcDbObjectId sourceBlock);
    bool hasBlock(const std::string& name, ZcDbObjectId* id = nullptr);
    void registerApps(const ZcDbObject* object);

    ZcDbDatabase* m_from;
    ZcDbDatabase* m_to;
    ZcDb::DuplicateRecordCloning m_drc;
    std::map<ZcDbObjectId, ZcDbObjectId> m_records;
    std::map<ZcDbObjectId, ZcDbObjectId> m_blocks;
};

}  // namespace zrxhost
