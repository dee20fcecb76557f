// Symbol tables: records in order, looked up by name without regard to case.
#include "db_symtab.h"

#include "database_impl.h"
#include "open_record.h"
#include "util/text_case.h"
#include "zc_resbuf.h"
#include "zrxhost/contract.h"
#include "db/record_name.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbSymbolTableRecord, ZcDbObject, "AcDbSymbolTableRecord", "")
ZCRX_DEFINE_MEMBERS(ZcDbSymbolTable, ZcDbObject, "AcDbSymbolTable", "")

namespace {
bool validName(const char* name)
{
    if (name == nullptr || *name == '\0') return false;
    for (const char* p = name; *p != '\0'; ++p) {
        // Characters the platform refuses in symbol names.
        switch (*p) {
        case '<': case '>': case '/': case '\\': case '"': case ':': case ';': case '?':
        case ',': case '=': case '`':
            return false;
        default:
            // Control characters, which no name can show.
            if (static_cast<unsigned char>(*p) < 0x20 || *p == 0x7F) return false;
            break;
        }
    }
    return true;
}

ZcDbSymbolTable* ownerTable(const ZcDbObject* record)
{
    zrxhost::ObjectStub* s = zrxhost::stubOf(record->ownerId());
    return (s == nullptr || s->object == nullptr) ? nullptr : ZcDbSymbolTable::cast(s->object);
}
}  // namespace

Zcad::ErrorStatus ZcDbSymbolTableRecord::getName(char*& name) const
{
    assertReadEnabled();
    return zcutNewString(m_name.c_str(), name) == RTNORM ? Zcad::eOk : Zcad::eOutOfMemory;
}

Zcad::ErrorStatus ZcDbSymbolTableRecord::getName(const char*& name) const
{
    assertReadEnabled();
    name = m_name.c_str();
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSymbolTableRecord::setName(const char* name)
{
    assertWriteEnabled();
    // Model and paper space keep their '*' names; anonymous blocks start with '*' too.
    if (name == nullptr || (!validName(name) && name[0] != '*')) return Zcad::eInvalidSymbolTableName;
    std::string old = m_name;
    if (ZcDbSymbolTable* table = ownerTable(this)) {
        ZcDbObjectId existing;
        {
            zrxhost::HostAccess access;
            if (table->getAt(name, existing, true) == Zcad::eOk && existing != objectId()) {
                return Zcad::eDuplicateRecordName;
            }
        }
        m_name = name;
        zrxhost::HostAccess access;
        table->recordRenamed(objectId(), old, m_name);
        return Zcad::eOk;
    }
    m_name = name;
    return Zcad::eOk;
}

bool ZcDbSymbolTableRecord::isDependent() const
{
    assertReadEnabled();
    return m_name.find('|') != std::string::npos;
}

// ---- table ----

Zcad::ErrorStatus ZcDbSymbolTable::getAt(const char* name, ZcDbObjectId& id, bool getErased) const
{
    assertReadEnabled();
    id.setNull();
    if (name == nullptr) return Zcad::eInvalidInput;
    auto it = m_byName.find(zrxhost::upperAscii(name));
    if (it == m_byName.end()) return Zcad::eKeyNotFound;
    if (it->second.isErased() && !getErased) return Zcad::eWasErased;
    id = it->second;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSymbolTable::getAt(const char* name, ZcDbSymbolTableRecord*& record, ZcDb::OpenMode mode,
                                         bool openErased) const
{
    return zrxhost::openRecord(this, name, record, mode, openErased);
}

bool ZcDbSymbolTable::has(const char* name) const
{
    ZcDbObjectId id;
    return getAt(name, id) == Zcad::eOk;
}

bool ZcDbSymbolTable::has(ZcDbObjectId id) const
{
    assertReadEnabled();
    return !id.isErased() && m_records.contains(id);
}

Zcad::ErrorStatus ZcDbSymbolTable::add(ZcDbSymbolTableRecord* record)
{
    ZcDbObjectId ignored;
    return add(ignored, record);
}

Zcad::ErrorStatus ZcDbSymbolTable::add(ZcDbObjectId& id, ZcDbSymbolTableRecord* record)
{
    assertWriteEnabled();
    id.setNull();
    if (record == nullptr) return Zcad::eNullObjectPointer;
    if (!record->isKindOf(recordClass())) return Zcad::eWrongObjectType;
    if (record->isDatabaseResident()) return Zcad::eAlreadyInDb;
    if (database() == nullptr) return Zcad::eNoDatabase;
    std::string key = zrxhost::upperAscii(zrxhost::recordName(record));
    if (key.empty()) return Zcad::eInvalidSymbolTableName;
    auto it = m_byName.find(key);
    if (it != m_byName.end() && !it->second.isErased()) return Zcad::eDuplicateRecordName;
    ZcDbObjectId newId;
    {
        zrxhost::HostAccess access;
        newId = zrxhost::adopt(database(), record, objectId());
    }
    m_records.append(newId);
    m_byName[key] = newId;
    id = newId;
    return Zcad::eOk;
}

void ZcDbSymbolTable::recordRenamed(ZcDbObjectId id, const std::string& oldName, const std::string& newName)
{
    auto it = m_byName.find(zrxhost::upperAscii(oldName));
    if (it != m_byName.end() && it->second == id) m_byName.erase(it);
    m_byName[zrxhost::upperAscii(newName)] = id;
}

Zcad::ErrorStatus ZcDbSymbolTable::newIterator(ZcDbSymbolTableIterator*& it, bool atBeginning, bool skipDeleted) const
{
    assertReadEnabled();
    it = new ZcDbSymbolTableIterator(this, atBeginning, skipDeleted);
    return Zcad::eOk;
}

// ---- iterator ----

ZcDbSymbolTableIterator::ZcDbSymbolTableIterator(const ZcDbSymbolTable* table, bool atBeginning, bool skipDeleted)
    : m_table(table)
{
    start(atBeginning, skipDeleted);
}

void ZcDbSymbolTableIterator::start(bool atBeginning, bool skipDeleted)
{
    m_skipDeleted = skipDeleted;
    m_index = atBeginning ? 0 : zrxhost::recordIds(m_table).length() - 1;
    skipErased(atBeginning);
}

bool ZcDbSymbolTableIterator::done() const { return m_index < 0 || m_index >= zrxhost::recordIds(m_table).length(); }

void ZcDbSymbolTableIterator::step(bool forward, bool skipDeleted)
{
    m_skipDeleted = skipDeleted;
    m_index += forward ? 1 : -1;
    skipErased(forward);
}

void ZcDbSymbolTableIterator::skipErased(bool forward)
{
    if (!m_skipDeleted) return;
    while (!done() && zrxhost::recordIds(m_table)[m_index].isErased()) m_index += forward ? 1 : -1;
}

Zcad::ErrorStatus ZcDbSymbolTableIterator::getRecordId(ZcDbObjectId& id) const
{
    if (done()) return Zcad::eInvalidIndex;
    id = zrxhost::recordIds(m_table)[m_index];
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSymbolTableIterator::getRecord(ZcDbSymbolTableRecord*& record, ZcDb::OpenMode mode,
                                                     bool openErased) const
{
    record = nullptr;
    ZcDbObjectId id;
    if (Zcad::ErrorStatus es = getRecordId(id); es != Zcad::eOk) return es;
    return zcdbOpenObject(record, id, mode, openErased);
}

Zcad::ErrorStatus ZcDbSymbolTableIterator::seek(ZcDbObjectId id)
{
    int i = 0;
    if (!zrxhost::recordIds(m_table).find(id, i)) return Zcad::eKeyNotFound;
    m_index = i;
    return Zcad::eOk;
}
