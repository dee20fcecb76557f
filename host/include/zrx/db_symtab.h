// Symbol tables and their records: names are unique in a table without regard to case.
#pragma once

#include <string>
#include <unordered_map>

#include "db_object.h"

namespace zrxhost {
struct Access;
}  // namespace zrxhost

class ZRX_API ZcDbSymbolTableRecord : public ZcDbObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbSymbolTableRecord);

    // A new copy of the name; the caller frees it with zcutDelString.
    Zcad::ErrorStatus getName(char*& name) const;
    // The name as the record holds it; valid while the record is open.
    Zcad::ErrorStatus getName(const char*& name) const;
    Zcad::ErrorStatus setName(const char* name);
    // Names of records that come from an external reference hold a '|'.
    bool isDependent() const;

protected:
    ZcDbSymbolTableRecord() = default;
    ZcDbSymbolTableRecord(const ZcDbSymbolTableRecord&) = default;

private:
    std::string m_name;
};

class ZcDbSymbolTable;

class ZRX_API ZcDbSymbolTableIterator {
public:
    virtual ~ZcDbSymbolTableIterator() = default;

    void start(bool atBeginning = true, bool skipDeleted = true);
    bool done() const;
    void step(bool forward = true, bool skipDeleted = true);
    Zcad::ErrorStatus getRecordId(ZcDbObjectId& id) const;
    Zcad::ErrorStatus getRecord(ZcDbSymbolTableRecord*& record, ZcDb::OpenMode mode, bool openErased = false) const;
    // Positions the iterator on a record of the table.
    Zcad::ErrorStatus seek(ZcDbObjectId id);

private:
    friend class ZcDbSymbolTable;
    ZcDbSymbolTableIterator(const ZcDbSymbolTable* table, bool atBeginning, bool skipDeleted);
    void skipErased(bool forward);
    const ZcDbSymbolTable* m_table;
    int m_index = 0;
    bool m_skipDeleted = true;
};

class ZRX_API ZcDbSymbolTable : public ZcDbObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbSymbolTable);

    Zcad::ErrorStatus getAt(const char* name, ZcDbObjectId& id, bool getErased = false) const;
    Zcad::ErrorStatus getAt(const char* name, ZcDbSymbolTableRecord*& record, ZcDb::OpenMode mode,
                            bool openErased = false) const;
    bool has(const char* name) const;
    bool has(ZcDbObjectId id) const;
    // The record joins the table and the database, open for write; the caller closes it.
    Zcad::ErrorStatus add(ZcDbSymbolTableRecord* record);
    Zcad::ErrorStatus add(ZcDbObjectId& id, ZcDbSymbolTableRecord* record);
    Zcad::ErrorStatus newIterator(ZcDbSymbolTableIterator*& it, bool atBeginning = true,
                                  bool skipDeleted = true) const;

protected:
    ZcDbSymbolTable() = default;
    ZcDbSymbolTable(const ZcDbSymbolTable&) = default;

private:
    friend struct zrxhost::Access;
    friend class ZcDbSymbolTableRecord;
    // The kind of record this table holds.
    virtual ZcRxClass* recordClass() const = 0;
    // Keeps the name index true when a record is renamed.
    void recordRenamed(ZcDbObjectId id, const std::string& oldName, const std::string& newName);
    ZcDbObjectIdArray m_records;
    std::unordered_map<std::string, ZcDbObjectId> m_byName;  // key: upper-cased name
};
