// The block table, its records and the walk over a block's entities.
#include <cstring>

#include "database_impl.h"
#include "db_block.h"
#include "open_record.h"
#include "record_name.h"
#include "util/text_case.h"
#include "zrxhost/contract.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbBlockTableRecord, ZcDbSymbolTableRecord, "AcDbBlockTableRecord", "BLOCK_RECORD")
ZCRX_DEFINE_MEMBERS(ZcDbBlockTable, ZcDbSymbolTable, "AcDbBlockTable", "TABLE")

ZcRxClass* ZcDbBlockTable::recordClass() const { return ZcDbBlockTableRecord::desc(); }

Zcad::ErrorStatus ZcDbBlockTable::getAt(const char* name, ZcDbBlockTableRecord*& record, ZcDb::OpenMode mode,
                                        bool openErased) const
{
    return zrxhost::openRecord(this, name, record, mode, openErased);
}

ZcDbBlockTableRecord::~ZcDbBlockTableRecord() = default;

ZcRxObject* ZcDbBlockTableRecord::clone() const
{
    auto* copy = new ZcDbBlockTableRecord(*this);
    copy->m_entities.removeAll();
    return copy;
}

Zcad::ErrorStatus ZcDbBlockTableRecord::appendZcDbEntity(ZcDbObjectId& id, ZcDbEntity* entity)
{
    id.setNull();
    assertWriteEnabled();
    if (entity == nullptr) return Zcad::eNullEntityPointer;
    if (entity->isDatabaseResident()) return Zcad::eAlreadyInDb;
    ZcDbDatabase* db = database();
    if (db == nullptr) return Zcad::eNoDatabase;
    // Properties the caller left unset come from the drawing's current settings.
    if (entity->layerId().isNull() || entity->layerId().database() != db) entity->setLayer(db->clayer());
    if (entity->linetypeId().isNull() || entity->linetypeId().database() != db) entity->setLinetype(db->celtype());
    id = zrxhost::adopt(db, entity, objectId());
    m_entities.append(id);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockTableRecord::appendZcDbEntity(ZcDbEntity* entity)
{
    ZcDbObjectId ignored;
    return appendZcDbEntity(ignored, entity);
}

Zcad::ErrorStatus ZcDbBlockTableRecord::newIterator(ZcDbBlockTableRecordIterator*& it, bool atBeginning,
                                                    bool skipDeleted) const
{
    assertReadEnabled();
    it = new ZcDbBlockTableRecordIterator(this, atBeginning, skipDeleted);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockTableRecord::setComments(const char* text)
{
    assertWriteEnabled();
    m_comments = text == nullptr ? "" : text;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockTableRecord::setPathName(const char* path)
{
    assertWriteEnabled();
    m_pathName = path == nullptr ? "" : path;
    return Zcad::eOk;
}

bool ZcDbBlockTableRecord::isLayout() const
{
    std::string upper = zrxhost::upperAscii(zrxhost::recordName(this));
    return upper == "*MODEL_SPACE" || upper.rfind("*PAPER_SPACE", 0) == 0;
}

bool ZcDbBlockTableRecord::isAnonymous() const { return zrxhost::recordName(this)[0] == '*' && !isLayout(); }

bool ZcDbBlockTableRecord::hasAttributeDefinitions() const
{
    assertReadEnabled();
    zrxhost::HostAccess access;
    for (const ZcDbObjectId& id : m_entities) {
        ZcRxClass* c = id.objectClass();
        if (!id.isErased() && c != nullptr && std::strcmp(c->name(), "AcDbAttributeDefinition") == 0) return true;
    }
    return false;
}

// ---- iterator ----

ZcDbBlockTableRecordIterator::ZcDbBlockTableRecordIterator(const ZcDbBlockTableRecord* owner, bool atBeginning,
                                                           bool skipDeleted)
    : m_owner(owner)
{
    start(atBeginning, skipDeleted);
}

void ZcDbBlockTableRecordIterator::start(bool atBeginning, bool skipDeleted)
{
    m_skipDeleted = skipDeleted;
    m_index = atBeginning ? 0 : zrxhost::entityIds(m_owner).length() - 1;
    skipErased(atBeginning);
}

bool ZcDbBlockTableRecordIterator::done() const
{
    return m_index < 0 || m_index >= zrxhost::entityIds(m_owner).length();
}

void ZcDbBlockTableRecordIterator::step(bool forward, bool skipDeleted)
{
    m_skipDeleted = skipDeleted;
    m_index += forward ? 1 : -1;
    skipErased(forward);
}

void ZcDbBlockTableRecordIterator::skipErased(bool forward)
{
    if (!m_skipDeleted) return;
    while (!done() && zrxhost::entityIds(m_owner)[m_index].isErased()) m_index += forward ? 1 : -1;
}

Zcad::ErrorStatus ZcDbBlockTableRecordIterator::getEntityId(ZcDbObjectId& id) const
{
    if (done()) return Zcad::eInvalidIndex;
    id = zrxhost::entityIds(m_owner)[m_index];
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockTableRecordIterator::getEntity(ZcDbEntity*& entity, ZcDb::OpenMode mode,
                                                          bool openErased) const
{
    entity = nullptr;
    ZcDbObjectId id;
    if (Zcad::ErrorStatus es = getEntityId(id); es != Zcad::eOk) return es;
    return zcdbOpenObject(entity, id, mode, openErased);
}

Zcad::ErrorStatus ZcDbBlockTableRecordIterator::seek(ZcDbObjectId id)
{
    int i = 0;
    if (!zrxhost::entityIds(m_owner).find(id, i)) return Zcad::eKeyNotFound;
    m_index = i;
    return Zcad::eOk;
}
