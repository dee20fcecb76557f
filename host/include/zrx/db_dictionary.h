// Dictionaries: named objects, keys compared without regard to case.
#pragma once

#include <map>
#include <string>

#include "db_object.h"

namespace zrxhost {
struct Access;
}  // namespace zrxhost

class ZcDbDictionaryIterator;

class ZRX_API ZcDbDictionary : public ZcDbObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbDictionary);
    ZcDbDictionary() = default;
    ZcRxObject* clone() const override;

    Zcad::ErrorStatus getAt(const char* key, ZcDbObjectId& id) const;
    Zcad::ErrorStatus getAt(const char* key, ZcDbObject*& obj, ZcDb::OpenMode mode) const;
    bool has(const char* key) const;
    bool has(ZcDbObjectId id) const;
    // The key of an entry as a new string the caller frees with zcutDelString.
    Zcad::ErrorStatus nameAt(ZcDbObjectId id, char*& key) const;
    // Adds or replaces an entry. A new object joins the dictionary's database and stays
    // open for write; the caller closes it.
    Zcad::ErrorStatus setAt(const char* key, ZcDbObject* value, ZcDbObjectId& id);
    // Takes the entry out; the object stays in the database, no longer owned here.
    Zcad::ErrorStatus remove(const char* key);
    Zcad::ErrorStatus remove(const char* key, ZcDbObjectId& removedId);
    Zcad::ErrorStatus remove(ZcDbObjectId id);
    Zcad::ErrorStatus setName(const char* oldKey, const char* newKey);
    int numEntries() const;
    // Entries in key order; the caller deletes the iterator.
    ZcDbDictionaryIterator* newIterator() const;

private:
    friend struct zrxhost::Access;
    friend class ZcDbDictionaryIterator;
    struct KeyLess {
        bool operator()(const std::string& a, const std::string& b) const;
    };
    using Entries = std::map<std::string, ZcDbObjectId, KeyLess>;
    Zcad::ErrorStatus findKey(ZcDbObjectId id, std::string& key) const;
    Entries m_entries;
};

class ZRX_API ZcDbDictionaryIterator {
public:
    const char* name() const;
    ZcDbObjectId objectId() const;
    Zcad::ErrorStatus getObject(ZcDbObject*& obj, ZcDb::OpenMode mode);
    bool done() const;
    bool next();

private:
    friend class ZcDbDictionary;
    explicit ZcDbDictionaryIterator(const ZcDbDictionary* dict);
    const ZcDbDictionary* m_dict;
    ZcDbDictionary::Entries::const_iterator m_it;
};
