// Groups: named, ordered sets of entities, kept in the group dictionary.
#pragma once

#include "db_entity.h"

namespace zrxhost {
struct Access;
}  // namespace zrxhost

class ZRX_API ZcDbGroup : public ZcDbObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbGroup);
    explicit ZcDbGroup(const char* description = nullptr, bool selectable = true);
    ZcRxObject* clone() const override;

    const char* description() const { assertReadEnabled(); return m_description.c_str(); }
    Zcad::ErrorStatus setDescription(const char* text);
    bool isSelectable() const { assertReadEnabled(); return m_selectable; }
    Zcad::ErrorStatus setSelectable(bool v) { assertWriteEnabled(); m_selectable = v; return Zcad::eOk; }
    // The group's key in the group dictionary; the caller frees it with zcutDelString.
    Zcad::ErrorStatus getName(char*& name) const;
    bool isAnonymous() const;
    Zcad::ErrorStatus setAnonymous();

    // Members join in order; each gets the group as a persistent reactor.
    Zcad::ErrorStatus append(ZcDbObjectId id);
    Zcad::ErrorStatus append(const ZcDbObjectIdArray& ids);
    Zcad::ErrorStatus prepend(ZcDbObjectId id);
    Zcad::ErrorStatus insertAt(int index, ZcDbObjectId id);
    Zcad::ErrorStatus remove(ZcDbObjectId id);
    Zcad::ErrorStatus removeAt(int index);
    Zcad::ErrorStatus clear();
    bool has(const ZcDbEntity* entity) const;
    bool has(ZcDbObjectId id) const;
    // Members that are not erased.
    int numEntities() const;
    int allEntityIds(ZcDbObjectIdArray& ids) const;

private:
    friend struct zrxhost::Access;
    Zcad::ErrorStatus addMember(int index, ZcDbObjectId id);
    std::string m_description;
    bool m_selectable = true;
    bool m_anonymous = false;
    ZcDbObjectIdArray m_members;
};
