// ZcDbEntity: layer, colour, line type, weight and visibility shared by every entity.
#include "db_entity.h"

#include "db/database_impl.h"
#include "db_tables.h"
#include "zc_resbuf.h"
#include "zrxhost/contract.h"
#include "zrxhost/display_state.h"
#include "db/record_name.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbEntity, ZcDbObject, "AcDbEntity", "")

namespace {

ZcDbDatabase* lookupDatabase(const ZcDbEntity* e)
{
    ZcDbDatabase* db = e->database();
    return db != nullptr ? db : zcdbHostApplicationServices()->workingDatabase();
}

// A record id of a table, found by name without the open protocol (the caller may well
// have the table open already).
Zcad::ErrorStatus findRecord(ZcDbDatabase* db, ZcDbObjectId tableId, const char* name, ZcDbObjectId& id)
{
    if (db == nullptr) return Zcad::eNoDatabase;
    if (name == nullptr) return Zcad::eInvalidInput;
    zrxhost::HostAccess access;
    auto* table = zrxhost::peek<ZcDbSymbolTable>(tableId);
    if (table == nullptr) return Zcad::eNoDatabase;
    Zcad::ErrorStatus es = table->getAt(name, id);
    return es == Zcad::eWasErased ? Zcad::eKeyNotFound : es;
}

char* recordName(ZcDbObjectId id)
{
    char* out = nullptr;
    zrxhost::HostAccess access;
    auto* record = zrxhost::peek<ZcDbSymbolTableRecord>(id);
    zcutNewString(record != nullptr ? zrxhost::recordName(record) : "", out);
    return out;
}

}  // namespace

char* ZcDbEntity::layer() const
{
    assertReadEnabled();
    return recordName(m_layerId);
}

ZcDbObjectId ZcDbEntity::layerId() const
{
    assertReadEnabled();
    return m_layerId;
}

Zcad::ErrorStatus ZcDbEntity::setLayer(const char* name, bool doSubents)
{
    ZcDbDatabase* db = lookupDatabase(this);
    ZcDbObjectId id;
    if (Zcad::ErrorStatus es = findRecord(db, db == nullptr ? ZcDbObjectId() : db->layerTableId(), name, id);
        es != Zcad::eOk) {
        return es;
    }
    return setLayer(id, doSubents);
}

Zcad::ErrorStatus ZcDbEntity::setLayer(ZcDbObjectId id, bool /*doSubents*/)
{
    assertWriteEnabled();
    if (id.isNull()) return Zcad::eNullObjectId;
    if (id.objectClass() == nullptr || !id.objectClass()->isDerivedFrom(ZcDbLayerTableRecord::desc())) {
        return Zcad::eWrongObjectType;
    }
    if (database() != nullptr && id.database() != database()) return Zcad::eWrongDatabase;
    m_layerId = id;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbEntity::setColor(const ZcCmColor& c, bool /*doSubents*/)
{
    assertWriteEnabled();
    m_color = c;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbEntity::setColorIndex(uint16_t index, bool /*doSubents*/)
{
    assertWriteEnabled();
    ZcCmColor c;
    if (!c.setColorIndex(index)) return Zcad::eInvalidInput;
    m_color = c;
    return Zcad::eOk;
}

char* ZcDbEntity::linetype() const
{
    assertReadEnabled();
    return recordName(m_linetypeId);
}

ZcDbObjectId ZcDbEntity::linetypeId() const
{
    assertReadEnabled();
    return m_linetypeId;
}

Zcad::ErrorStatus ZcDbEntity::setLinetype(const char* name, bool doSubents)
{
    ZcDbDatabase* db = lookupDatabase(this);
    ZcDbObjectId id;
    if (Zcad::ErrorStatus es = findRecord(db, db == nullptr ? ZcDbObjectId() : db->linetypeTableId(), name, id);
        es != Zcad::eOk) {
        return es;
    }
    return setLinetype(id, doSubents);
}

Zcad::ErrorStatus ZcDbEntity::setLinetype(ZcDbObjectId id, bool /*doSubents*/)
{
    assertWriteEnabled();
    if (id.isNull()) return Zcad::eNullObjectId;
    if (id.objectClass() == nullptr || !id.objectClass()->isDerivedFrom(ZcDbLinetypeTableRecord::desc())) {
        return Zcad::eWrongObjectType;
    }
    if (database() != nullptr && id.database() != database()) return Zcad::eWrongDatabase;
    m_linetypeId = id;
    return Zcad::eOk;
}

void ZcDbEntity::recordGraphicsModified(bool setModified)
{
    assertWriteEnabled();
    if (setModified) zrxhost::markGraphicsPending(objectId());
}

Zcad::ErrorStatus ZcDbEntity::setLinetypeScale(double scale, bool /*doSubents*/)
{
    assertWriteEnabled();
    if (!(scale > 0.0)) return Zcad::eInvalidInput;
    m_linetypeScale = scale;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbEntity::setLineWeight(ZcDb::LineWeight w, bool /*doSubents*/)
{
    assertWriteEnabled();
    m_lineWeight = w;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbEntity::setVisibility(ZcDb::Visibility v, bool /*doSubents*/)
{
    assertWriteEnabled();
    m_visibility = v;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbEntity::setPropertiesFrom(const ZcDbEntity* other, bool /*doSubents*/)
{
    assertWriteEnabled();
    if (other == nullptr) return Zcad::eNullEntityPointer;
    other->assertReadEnabled();
    if (database() != nullptr && other->database() != nullptr && database() != other->database()) {
        return Zcad::eWrongDatabase;
    }
    m_layerId = other->m_layerId;
    m_linetypeId = other->m_linetypeId;
    m_color = other->m_color;
    m_linetypeScale = other->m_linetypeScale;
    m_lineWeight = other->m_lineWeight;
    m_visibility = other->m_visibility;
    return Zcad::eOk;
}

void ZcDbEntity::setDatabaseDefaults(ZcDbDatabase* db)
{
    assertWriteEnabled();
    if (db == nullptr) db = lookupDatabase(this);
    if (db == nullptr) return;
    m_layerId = db->clayer();
    m_linetypeId = db->celtype();
    m_color.setByLayer();
    m_linetypeScale = 1.0;
    m_lineWeight = ZcDb::kLnWtByLayer;
}

Zcad::ErrorStatus ZcDbEntity::getGeomExtents(ZcDbExtents& /*extents*/) const
{
    assertReadEnabled();
    return Zcad::eInvalidExtents;
}

Zcad::ErrorStatus ZcDbEntity::transformBy(const ZcGeMatrix3d& /*xform*/)
{
    assertWriteEnabled();
    return Zcad::eNotApplicable;
}

Zcad::ErrorStatus ZcDbEntity::getTransformedCopy(const ZcGeMatrix3d& xform, ZcDbEntity*& copy) const
{
    assertReadEnabled();
    copy = nullptr;
    auto* c = static_cast<ZcDbEntity*>(clone());
    if (c == nullptr) return Zcad::eNotApplicable;
    Zcad::ErrorStatus es = c->transformBy(xform);
    if (es != Zcad::eOk) {
        delete c;
        return es;
    }
    copy = c;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbEntity::explode(ZcDbVoidPtrArray& /*entitySet*/) const
{
    assertReadEnabled();
    return Zcad::eNotApplicable;
}
