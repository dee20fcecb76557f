// The block table: model space, paper space and block definitions.
#pragma once

#include "db_entity.h"
#include "db_symtab.h"

#define ZCDB_MODEL_SPACE "*Model_Space"
#define ZCDB_PAPER_SPACE "*Paper_Space"

class ZcDbBlockTableRecord;
namespace zrxhost {
struct Access;
}  // namespace zrxhost

// Walks the entities of a block in append order; erased ones are skipped unless asked.
class ZRX_API ZcDbBlockTableRecordIterator {
public:

    void start(bool atBeginning = true, bool skipDeleted = true);
    bool done() const;
    void step(bool forward = true, bool skipDeleted = true);
    Zcad::ErrorStatus getEntityId(ZcDbObjectId& id) const;
    Zcad::ErrorStatus getEntity(ZcDbEntity*& entity, ZcDb::OpenMode mode, bool openErased = false) const;
    Zcad::ErrorStatus seek(ZcDbObjectId id);

private:
    friend class ZcDbBlockTableRecord;
    ZcDbBlockTableRecordIterator(const ZcDbBlockTableRecord* owner, bool atBeginning, bool skipDeleted);
    void skipErased(bool forward);
    const ZcDbBlockTableRecord* m_owner;
    int m_index = 0;
    bool m_skipDeleted = true;
};

class ZRX_API ZcDbBlockTableRecord : public ZcDbSymbolTableRecord {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbBlockTableRecord);
    ZcDbBlockTableRecord() = default;
    ~ZcDbBlockTableRecord() override;
    // A copy of the definition's own data; its entities stay with the original.
    ZcRxObject* clone() const override;

    // The entity joins this block and its database and stays open for write; the caller
    // closes it. The block must be open for write and in a database.
    Zcad::ErrorStatus appendZcDbEntity(ZcDbObjectId& id, ZcDbEntity* entity);
    Zcad::ErrorStatus appendZcDbEntity(ZcDbEntity* entity);
    Zcad::ErrorStatus newIterator(ZcDbBlockTableRecordIterator*& it, bool atBeginning = true,
                                  bool skipDeleted = true) const;

    ZcGePoint3d origin() const { assertReadEnabled(); return m_origin; }
    void setOrigin(const ZcGePoint3d& p) { assertWriteEnabled(); m_origin = p; }
    Zcad::ErrorStatus comments(const char*& text) const { assertReadEnabled(); text = m_comments.c_str(); return Zcad::eOk; }
    Zcad::ErrorStatus setComments(const char* text);
    bool isLayout() const;
    bool isAnonymous() const;
    bool hasAttributeDefinitions() const;
    Zcad::ErrorStatus pathName(const char*& path) const { assertReadEnabled(); path = m_pathName.c_str(); return Zcad::eOk; }
    Zcad::ErrorStatus setPathName(const char* path);
    bool isFromExternalReference() const { return !m_pathName.empty(); }

private:
    friend struct zrxhost::Access;
    ZcDbObjectIdArray m_entities;
    ZcGePoint3d m_origin;
    std::string m_comments;
    std::string m_pathName;
};

class ZRX_API ZcDbBlockTable : public ZcDbSymbolTable {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbBlockTable);
    ZcDbBlockTable() = default;

    using ZcDbSymbolTable::getAt;
    Zcad::ErrorStatus getAt(const char* name, ZcDbBlockTableRecord*& record, ZcDb::OpenMode mode,
                            bool openErased = false) const;

private:
    ZcRxClass* recordClass() const override;
};
