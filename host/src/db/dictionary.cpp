// Dictionaries: objects filed under keys, compared without regard to case.
#include "db_dictionary.h"

#include "database_impl.h"
#include "util/text_case.h"
#include "zc_resbuf.h"
#include "zrxhost/contract.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbDictionary, ZcDbObject, "AcDbDictionary", "DICTIONARY")

bool ZcDbDictionary::KeyLess::operator()(const std::string& a, const std::string& b) const
{
    return zrxhost::compareNoCase(a, b) < 0;
}

ZcRxObject* ZcDbDictionary::clone() const
{
    auto* copy = new ZcDbDictionary(*this);
    copy->m_entries.clear();
    return copy;
}

Zcad::ErrorStatus ZcDbDictionary::getAt(const char* key, ZcDbObjectId& id) const
{
    assertReadEnabled();
    id.setNull();
    if (key == nullptr) return Zcad::eInvalidKey;
    auto it = m_entries.find(key);
    if (it == m_entries.end()) return Zcad::eKeyNotFound;
    if (it->second.isErased()) return Zcad::eWasErased;
    id = it->second;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDictionary::getAt(const char* key, ZcDbObject*& obj, ZcDb::OpenMode mode) const
{
    obj = nullptr;
    ZcDbObjectId id;
    if (Zcad::ErrorStatus es = getAt(key, id); es != Zcad::eOk) return es;
    return zcdbOpenZcDbObject(obj, id, mode);
}

bool ZcDbDictionary::has(const char* key) const
{
    ZcDbObjectId id;
    return getAt(key, id) == Zcad::eOk;
}

bool ZcDbDictionary::has(ZcDbObjectId id) const
{
    std::string key;
    return findKey(id, key) == Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDictionary::nameAt(ZcDbObjectId id, char*& key) const
{
    key = nullptr;
    std::string found;
    if (Zcad::ErrorStatus es = findKey(id, found); es != Zcad::eOk) return es;
    return zcutNewString(found.c_str(), key) == RTNORM ? Zcad::eOk : Zcad::eOutOfMemory;
}

Zcad::ErrorStatus ZcDbDictionary::findKey(ZcDbObjectId id, std::string& key) const
{
    assertReadEnabled();
    for (const auto& [k, v] : m_entries) {
        if (v == id && !v.isErased()) {
            key = k;
            return Zcad::eOk;
        }
    }
    return Zcad::eKeyNotFound;
}

Zcad::ErrorStatus ZcDbDictionary::setAt(const char* key, ZcDbObject* value, ZcDbObjectId& id)
{
    assertWriteEnabled();
    id.setNull();
    if (key == nullptr || *key == '\0') return Zcad::eInvalidKey;
    if (value == nullptr) return Zcad::eNullObjectPointer;
    ZcDbDatabase* db = database();
    if (db == nullptr) return Zcad::eNoDatabase;
    if (value->isDatabaseResident()) {
        if (value->database() != db) return Zcad::eWrongDatabase;
        zrxhost::HostAccess access;
        value->setOwnerId(objectId());
        id = value->objectId();
    } else {
        id = zrxhost::adopt(db, value, objectId());
    }
    m_entries[key] = id;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDictionary::remove(const char* key)
{
    ZcDbObjectId ignored;
    return remove(key, ignored);
}

Zcad::ErrorStatus ZcDbDictionary::remove(const char* key, ZcDbObjectId& removedId)
{
    assertWriteEnabled();
    removedId.setNull();
    if (key == nullptr) return Zcad::eInvalidKey;
    auto it = m_entries.find(key);
    if (it == m_entries.end()) return Zcad::eKeyNotFound;
    removedId = it->second;
    m_entries.erase(it);
    if (zrxhost::ObjectStub* s = zrxhost::stubOf(removedId); s != nullptr && s->object != nullptr) {
        zrxhost::HostAccess access;
        s->object->setOwnerId(ZcDbObjectId());
    }
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDictionary::remove(ZcDbObjectId id)
{
    std::string key;
    if (Zcad::ErrorStatus es = findKey(id, key); es != Zcad::eOk) return es;
    return remove(key.c_str());
}

Zcad::ErrorStatus ZcDbDictionary::setName(const char* oldKey, const char* newKey)
{
    assertWriteEnabled();
    if (oldKey == nullptr || newKey == nullptr || *newKey == '\0') return Zcad::eInvalidKey;
    auto it = m_entries.find(oldKey);
    if (it == m_entries.end()) return Zcad::eKeyNotFound;
    auto clash = m_entries.find(newKey);
    if (clash != m_entries.end() && clash != it) return Zcad::eDuplicateKey;
    ZcDbObjectId id = it->second;
    m_entries.erase(it);
    m_entries[newKey] = id;
    return Zcad::eOk;
}

int ZcDbDictionary::numEntries() const
{
    assertReadEnabled();
    int n = 0;
    for (const auto& e : m_entries) n += e.second.isErased() ? 0 : 1;
    return n;
}

ZcDbDictionaryIterator* ZcDbDictionary::newIterator() const
{
    assertReadEnabled();
    return new ZcDbDictionaryIterator(this);
}

ZcDbDictionaryIterator::ZcDbDictionaryIterator(const ZcDbDictionary* dict)
    : m_dict(dict), m_it(dict->m_entries.begin())
{
    while (!done() && m_it->second.isErased()) ++m_it;
}

const char* ZcDbDictionaryIterator::name() const { return done() ? nullptr : m_it->first.c_str(); }
ZcDbObjectId ZcDbDictionaryIterator::objectId() const { return done() ? ZcDbObjectId() : m_it->second; }

Zcad::ErrorStatus ZcDbDictionaryIterator::getObject(ZcDbObject*& obj, ZcDb::OpenMode mode)
{
    obj = nullptr;
    if (done()) return Zcad::eInvalidIndex;
    return zcdbOpenZcDbObject(obj, m_it->second, mode);
}

bool ZcDbDictionaryIterator::done() const { return m_it == m_dict->m_entries.end(); }

bool ZcDbDictionaryIterator::next()
{
    if (done()) return false;
    do {
        ++m_it;
    } while (!done() && m_it->second.isErased());
    return !done();
}
