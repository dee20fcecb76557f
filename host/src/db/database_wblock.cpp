// ZcDbDatabase::wblock of a set of entities: a drawing of its own holding copies of them,
// with what a drawing needs and the records the entities use; the base point is where
// the drawing is inserted from.
#include "database_impl.h"
#include "db/drawing_copier.h"
#include "zrxhost/contract.h"
#include "zrxhost/spaces.h"

namespace {

// Entities of this database, alive, and nothing else.
Zcad::ErrorStatus checkIds(const ZcDbDatabase* db, const ZcDbObjectIdArray& ids)
{
    for (const ZcDbObjectId& id : ids) {
        if (id.isNull()) return Zcad::eNullObjectId;
        if (id.database() != db) return Zcad::eWrongDatabase;
        if (id.isErased()) return Zcad::eWasErased;
        if (id.objectClass() == nullptr || !id.objectClass()->isDerivedFrom(ZcDbEntity::desc())) {
            return Zcad::eIllegalEntityType;
        }
    }
    return Zcad::eOk;
}

}  // namespace

Zcad::ErrorStatus ZcDbDatabase::wblock(ZcDbDatabase* output, const ZcDbObjectIdArray& ids, const ZcGePoint3d& basePoint,
                                       ZcDb::DuplicateRecordCloning drc)
{
    if (output == nullptr) return Zcad::eNullObjectPointer;
    if (output == this) return Zcad::eSelfReference;
    // The output is a database made without a default drawing and not filled since.
    if (!zrxhost::stateOf(output)->stubs().empty()) return Zcad::eInvalidInput;
    if (drc != ZcDb::kDrcNotApplicable && drc != ZcDb::kDrcIgnore && drc != ZcDb::kDrcReplace) return Zcad::eNotApplicable;
    if (Zcad::ErrorStatus es = checkIds(this, ids); es != Zcad::eOk) return es;
    zrxhost::buildDefaultDrawing(output);
    output->setInsbase(basePoint);
    zrxhost::HostAccess access;
    zrxhost::DrawingCopier copier(this, output, drc == ZcDb::kDrcReplace ? ZcDb::kDrcReplace : ZcDb::kDrcIgnore);
    ZcDbObjectId space = zrxhost::modelSpaceId(output);
    for (const ZcDbObjectId& id : ids) {
        auto* entity = zrxhost::peek<ZcDbEntity>(id);
        if (entity == nullptr) return Zcad::eIllegalEntityType;
        if (Zcad::ErrorStatus es = copier.copyEntity(entity, space); es != Zcad::eOk) return es;
    }
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDatabase::wblock(ZcDbDatabase*& output, const ZcDbObjectIdArray& ids, const ZcGePoint3d& basePoint)
{
    output = nullptr;
    auto* made = new ZcDbDatabase(false, true);
    Zcad::ErrorStatus es = wblock(made, ids, basePoint, ZcDb::kDrcIgnore);
    if (es != Zcad::eOk) {
        delete made;
        return es;
    }
    output = made;
    return Zcad::eOk;
}
