// Groups: ordered entity sets; each member knows its groups through a persistent reactor.
#include "db_group.h"

#include "db_dictionary.h"
#include "stub.h"
#include "zc_resbuf.h"
#include "zrxhost/contract.h"
#include "access.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbGroup, ZcDbObject, "AcDbGroup", "GROUP")

ZcDbGroup::ZcDbGroup(const char* description, bool selectable)
    : m_description(description == nullptr ? "" : description), m_selectable(selectable)
{
}

ZcRxObject* ZcDbGroup::clone() const
{
    auto* copy = new ZcDbGroup(*this);
    copy->m_members.removeAll();
    return copy;
}

Zcad::ErrorStatus ZcDbGroup::setDescription(const char* text)
{
    assertWriteEnabled();
    m_description = text == nullptr ? "" : text;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbGroup::getName(char*& name) const
{
    assertReadEnabled();
    name = nullptr;
    zrxhost::ObjectStub* owner = zrxhost::stubOf(ownerId());
    if (owner == nullptr || owner->object == nullptr) return Zcad::eNotInDatabase;
    zrxhost::HostAccess access;
    auto* dict = ZcDbDictionary::cast(owner->object);
    if (dict == nullptr) return Zcad::eKeyNotFound;
    return dict->nameAt(objectId(), name);
}

bool ZcDbGroup::isAnonymous() const
{
    assertReadEnabled();
    return m_anonymous;
}

Zcad::ErrorStatus ZcDbGroup::setAnonymous()
{
    assertWriteEnabled();
    m_anonymous = true;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbGroup::addMember(int index, ZcDbObjectId id)
{
    assertWriteEnabled();
    zrxhost::ObjectStub* s = zrxhost::stubOf(id);
    if (s == nullptr || s->object == nullptr) return Zcad::eNullObjectId;
    // Members are kept through reactors, so the group must be filed first.
    if (!isDatabaseResident()) return Zcad::eNotInDatabase;
    if (s->database != database()) return Zcad::eWrongDatabase;
    if (ZcDbEntity::cast(s->object) == nullptr) return Zcad::eNotAnEntity;
    if (m_members.contains(id)) return Zcad::eDuplicateKey;
    m_members.insertAt(index, id);
    zrxhost::HostAccess access;
    s->object->addPersistentReactor(objectId());
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbGroup::append(ZcDbObjectId id) { return addMember(m_members.length(), id); }

Zcad::ErrorStatus ZcDbGroup::append(const ZcDbObjectIdArray& ids)
{
    for (const ZcDbObjectId& id : ids) {
        if (Zcad::ErrorStatus es = append(id); es != Zcad::eOk) return es;
    }
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbGroup::prepend(ZcDbObjectId id) { return addMember(0, id); }

Zcad::ErrorStatus ZcDbGroup::insertAt(int index, ZcDbObjectId id)
{
    if (index < 0 || index > m_members.length()) return Zcad::eInvalidIndex;
    return addMember(index, id);
}

Zcad::ErrorStatus ZcDbGroup::remove(ZcDbObjectId id)
{
    int i = 0;
    if (!m_members.find(id, i)) return Zcad::eKeyNotFound;
    return removeAt(i);
}

Zcad::ErrorStatus ZcDbGroup::removeAt(int index)
{
    assertWriteEnabled();
    if (index < 0 || index >= m_members.length()) return Zcad::eInvalidIndex;
    zrxhost::ObjectStub* s = zrxhost::stubOf(m_members[index]);
    m_members.removeAt(index);
    if (isDatabaseResident() && s != nullptr && s->object != nullptr) {
        zrxhost::HostAccess access;
        s->object->removePersistentReactor(objectId());
    }
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbGroup::clear()
{
    while (!m_members.isEmpty()) removeAt(m_members.length() - 1);
    return Zcad::eOk;
}

bool ZcDbGroup::has(const ZcDbEntity* entity) const
{
    return entity != nullptr && has(entity->objectId());
}

bool ZcDbGroup::has(ZcDbObjectId id) const
{
    assertReadEnabled();
    return !id.isNull() && m_members.contains(id);
}

int ZcDbGroup::numEntities() const
{
    ZcDbObjectIdArray ids;
    return allEntityIds(ids);
}

int ZcDbGroup::allEntityIds(ZcDbObjectIdArray& ids) const
{
    assertReadEnabled();
    int n = 0;
    for (const ZcDbObjectId& id : m_members) {
        if (id.isErased()) continue;
        ids.append(id);
        ++n;
    }
    return n;
}
