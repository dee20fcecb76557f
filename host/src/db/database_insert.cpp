// ZcDbDatabase::insert: another drawing's model space brought into this one, either as a
// block (a drawing file inserted as a block) or straight into model space through a
// matrix (INSERT*). What the entities refer to comes along; this drawing's own records of
// the same name win.
#include "database_impl.h"
#include "db/drawing_copier.h"
#include "zrxhost/contract.h"
#include "zrxhost/spaces.h"

Zcad::ErrorStatus ZcDbDatabase::insert(ZcDbObjectId& blockId, const char* blockName, ZcDbDatabase* source, bool)
{
    blockId = ZcDbObjectId::kNull;
    if (blockName == nullptr || *blockName == '\0' || source == nullptr || source == this) return Zcad::eInvalidInput;
    {
        ZcDbObjectPointer<ZcDbBlockTable> table(blockTableId(), ZcDb::kForRead);
        if (table.openStatus() != Zcad::eOk) return table.openStatus();
        if (table->has(blockName)) return Zcad::eDuplicateRecordName;
    }
    // The source is only read, on the host's behalf: its objects stay closed.
    zrxhost::HostAccess access;
    zrxhost::DrawingCopier copier(source, this);
    return copier.copyBlock(zrxhost::modelSpaceId(source), blockName, blockId);
}

Zcad::ErrorStatus ZcDbDatabase::insert(const ZcGeMatrix3d& xform, ZcDbDatabase* source, bool)
{
    if (source == nullptr) return Zcad::eNullObjectPointer;
    if (source == this) return Zcad::eSelfReference;
    if (m_impl->modelSpace.isNull()) return Zcad::eNoDatabase;
    zrxhost::HostAccess access;
    auto* space = zrxhost::peek<ZcDbBlockTableRecord>(zrxhost::modelSpaceId(source));
    if (space == nullptr) return Zcad::eOk;
    zrxhost::DrawingCopier copier(source, this);
    copier.mergeTables();
    for (ZcDbObjectId id : zrxhost::entityIds(space)) {
        auto* entity = id.isErased() ? nullptr : zrxhost::peek<ZcDbEntity>(id);
        if (entity == nullptr) continue;
        if (Zcad::ErrorStatus es = copier.copyEntity(entity, m_impl->modelSpace, &xform); es != Zcad::eOk) return es;
    }
    return Zcad::eOk;
}
