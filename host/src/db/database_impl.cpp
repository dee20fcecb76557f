// Residency: handles, stubs and the open-object count of a database.
#include "database_impl.h"

#include <atomic>
#include <utility>

#include "zrxhost/contract.h"

namespace {
std::atomic<int64_t> g_nextSerial{1};
}

zrxhost::DatabaseState::DatabaseState(ZcDbDatabase* db) : owner(db), m_serial(g_nextSerial++) {}

zrxhost::DatabaseState::~DatabaseState()
{
    m_tearingDown = true;
    // Unhook every object from its stub first, so that no destructor sees a dangling
    // neighbour while the database goes.
    std::vector<ZcDbObject*> objects;
    objects.reserve(m_stubs.size());
    for (zrxhost::ObjectStub& s : m_stubs) {
        if (s.object != nullptr) objects.push_back(s.object);
        s.object = nullptr;
    }
    for (ZcDbObject* o : objects) {
        zrxhost::setStub(o, nullptr);
        delete o;
    }
}

zrxhost::ObjectStub* zrxhost::DatabaseState::addObject(ZcDbObject* obj, ZcDbObjectId ownerId)
{
    if (uint64_t pinned = std::exchange(m_pinned, 0); pinned != 0) return addObjectWithHandle(obj, ownerId, pinned);
    while (m_byHandle.find(m_handseed) != nullptr) ++m_handseed;
    return addObjectWithHandle(obj, ownerId, m_handseed);
}

zrxhost::ObjectStub* zrxhost::DatabaseState::addObjectWithHandle(ZcDbObject* obj, ZcDbObjectId ownerId, uint64_t handle)
{
    if (handle == 0 || m_byHandle.find(handle) != nullptr) return nullptr;
    zrxhost::ObjectStub& s = m_stubs.emplace_back();
    s.object = obj;
    s.database = owner;
    s.handle = handle;
    s.writer = true;
    m_byHandle.insert(m_stubs.size() - 1);
    if (handle >= m_handseed) m_handseed = handle + 1;
    zrxhost::setStub(obj, &s);
    {
        zrxhost::HostAccess access;
        obj->setOwnerId(ownerId);
    }
    ++m_openCount;
    return &s;
}

zrxhost::ObjectStub* zrxhost::DatabaseState::findHandle(uint64_t handle) const
{
    return m_byHandle.find(handle);
}

void zrxhost::DatabaseState::reserveHandlesBelow(uint64_t handle)
{
    if (handle > m_handseed) m_handseed = handle;
}

uint64_t zrxhost::DatabaseState::nextHandle() const { return m_handseed; }

void zrxhost::DatabaseState::rehome(ZcDbDatabase* db)
{
    owner = db;
    for (zrxhost::ObjectStub& s : m_stubs) s.database = db;
}
