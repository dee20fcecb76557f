// Residency: handles, stubs and the open-object count of a database.
#include "database_impl.h"

#include <atomic>
#include <utility>

#include "zrxhost/contract.h"

namespace {
std::atomic<int64_t> g_nextSerial{1};
}

ZcDbDatabaseImpl::ZcDbDatabaseImpl(ZcDbDatabase* db) : owner(db), m_serial(g_nextSerial++) {}

ZcDbDatabaseImpl::~ZcDbDatabaseImpl()
{
    m_tearingDown = true;
    // Unhook every object from its stub first, so that no destructor sees a dangling
    // neighbour while the database goes.
    std::vector<ZcDbObject*> objects;
    objects.reserve(m_stubs.size());
    for (ZcDbStub& s : m_stubs) {
        if (s.object != nullptr) objects.push_back(s.object);
        s.object = nullptr;
    }
    for (ZcDbObject* o : objects) {
        o->setStub(nullptr);
        delete o;
    }
}

ZcDbStub* ZcDbDatabaseImpl::addObject(ZcDbObject* obj, ZcDbObjectId ownerId)
{
    if (uint64_t pinned = std::exchange(m_pinned, 0); pinned != 0) return addObjectWithHandle(obj, ownerId, pinned);
    while (m_byHandle.find(m_handseed) != nullptr) ++m_handseed;
    return addObjectWithHandle(obj, ownerId, m_handseed);
}

ZcDbStub* ZcDbDatabaseImpl::addObjectWithHandle(ZcDbObject* obj, ZcDbObjectId ownerId, uint64_t handle)
{
    if (handle == 0 || m_byHandle.find(handle) != nullptr) return nullptr;
    ZcDbStub& s = m_stubs.emplace_back();
    s.object = obj;
    s.database = owner;
    s.handle = handle;
    s.writer = true;
    m_byHandle.insert(m_stubs.size() - 1);
    if (handle >= m_handseed) m_handseed = handle + 1;
    obj->setStub(&s);
    {
        zrxhost::HostAccess access;
        obj->setOwnerId(ownerId);
    }
    ++m_openCount;
    return &s;
}

ZcDbStub* ZcDbDatabaseImpl::findHandle(uint64_t handle) const
{
    return m_byHandle.find(handle);
}

void ZcDbDatabaseImpl::reserveHandlesBelow(uint64_t handle)
{
    if (handle > m_handseed) m_handseed = handle;
}

uint64_t ZcDbDatabaseImpl::nextHandle() const { return m_handseed; }

void ZcDbDatabaseImpl::rehome(ZcDbDatabase* db)
{
    owner = db;
    for (ZcDbStub& s : m_stubs) s.database = db;
}
