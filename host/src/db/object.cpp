// ZcDbObject: identity, the open protocol, erasure, xdata and persistent reactors.
#include "db_object.h"

#include <string>
#include <vector>

#include "database_impl.h"
#include "db_entity.h"
#include "db_tables.h"
#include "util/text_case.h"
#include "write_guard.h"
#include "xdata_store.h"
#include "zc_resbuf.h"
#include "zrxhost/contract.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbObject, ZcRxObject, "AcDbObject", "")

ZcDbObject::ZcDbObject() = default;

ZcDbObject::ZcDbObject(const ZcDbObject& other)
    : ZcRxObject(other),
      m_xdata(other.m_xdata ? other.m_xdata->clone() : nullptr)
{
}

ZcDbObject& ZcDbObject::operator=(const ZcDbObject& other)
{
    if (this != &other) {
        m_xdata = other.m_xdata ? other.m_xdata->clone() : nullptr;
    }
    return *this;
}

ZcDbObject::~ZcDbObject()
{
    if (m_stub != nullptr && m_stub->object == this) {
        // The database owns what it holds; the stub must not lead to freed memory.
        m_stub->object = nullptr;
        char hex[17];
        ZcDbHandle(m_stub->handle).getIntoAsciiBuffer(hex, sizeof hex);
        zrxhost::contractViolation(std::string("the database-resident object ") + hex +
                                   " was deleted; close it and let the database own it");
    }
}

ZcDbObjectId ZcDbObject::objectId() const { return zrxhost::idOf(m_stub); }
ZcDbDatabase* ZcDbObject::database() const { return m_stub == nullptr ? nullptr : m_stub->database; }

Zcad::ErrorStatus ZcDbObject::setOwnerId(ZcDbObjectId owner)
{
    assertWriteEnabled();
    m_ownerId = owner;
    return Zcad::eOk;
}

bool ZcDbObject::isErased() const { return m_stub != nullptr && m_stub->erased; }
bool ZcDbObject::isReadEnabled() const { return m_stub == nullptr || m_stub->isOpen(); }
bool ZcDbObject::isWriteEnabled() const { return m_stub == nullptr || m_stub->writer; }

void ZcDbObject::assertReadEnabled() const
{
    if (m_stub == nullptr || m_stub->isOpen() || zrxhost::HostAccess::active()) return;
    zrxhost::contractViolation(std::string("a ") + isA()->name() + " was read without being open");
}

void ZcDbObject::assertWriteEnabled()
{
    if (m_stub == nullptr || m_stub->writer || zrxhost::HostAccess::active()) return;
    zrxhost::contractViolation(std::string("a ") + isA()->name() +
                               (m_stub->isOpen() ? " open for read was changed" : " was changed without being open"));
}

Zcad::ErrorStatus ZcDbObject::erase(bool erasing)
{
    if (m_stub == nullptr) return Zcad::eNotInDatabase;
    assertWriteEnabled();
    if (m_stub->erased == erasing) return erasing ? Zcad::eWasErased : Zcad::eOk;
    if (Zcad::ErrorStatus es = subErase(erasing); es != Zcad::eOk) return es;
    m_stub->erased = erasing;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbObject::subErase(bool /*erasing*/) { return Zcad::eOk; }

namespace {

// The platform keeps entities on a locked layer from being changed: it refuses to open
// them for write.
bool onLockedLayer(const ZcDbObject* obj)
{
    const ZcDbEntity* e = ZcDbEntity::cast(obj);
    if (e == nullptr) return false;
    zrxhost::HostAccess access;
    const ZcDbLayerTableRecord* layer = zrxhost::peek<ZcDbLayerTableRecord>(e->layerId());
    return layer != nullptr && layer->isLocked();
}

}  // namespace

Zcad::ErrorStatus ZcDbObject::upgradeOpen()
{
    if (m_stub == nullptr) return Zcad::eOk;
    if (m_stub->writer) return Zcad::eWasOpenForWrite;
    if (m_stub->readers == 0) return Zcad::eNotOpenForRead;
    if (m_stub->readers > 1) return Zcad::eHadMultipleReaders;
    if (onLockedLayer(this)) return Zcad::eOnLockedLayer;
    // Upgrading is writing: the document lock rule applies as it does to a write open.
    if (Zcad::ErrorStatus es = zrxhost::checkWriteOpen(m_stub->database); es != Zcad::eOk) return es;
    m_stub->readers = 0;
    m_stub->writer = true;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbObject::downgradeOpen()
{
    if (m_stub == nullptr) return Zcad::eOk;
    if (!m_stub->writer) return Zcad::eNotOpenForWrite;
    m_stub->writer = false;
    m_stub->readers = 1;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbObject::close()
{
    if (m_stub == nullptr) {
        zrxhost::contractViolation(std::string("close() of a ") + isA()->name() +
                                   " that is in no database: append it first, or delete it");
        return Zcad::eNotInDatabase;
    }
    if (m_stub->writer) {
        m_stub->writer = false;
    } else if (m_stub->readers > 0) {
        --m_stub->readers;
    } else {
        zrxhost::contractViolation(std::string("close() of a ") + isA()->name() + " that is not open");
        return Zcad::eInvalidOpenState;
    }
    if (!m_stub->isOpen()) zrxhost::stateOf(m_stub->database)->noteClosed();
    return Zcad::eOk;
}

Zcad::ErrorStatus zcdbOpenZcDbObject(ZcDbObject*& obj, ZcDbObjectId id, ZcDb::OpenMode mode, bool openErased)
{
    obj = nullptr;
    zrxhost::ObjectStub* s = zrxhost::stubOf(id);
    if (s == nullptr) return Zcad::eNullObjectId;
    if (s->object == nullptr) return Zcad::ePermanentlyErased;
    if (s->erased && !openErased) return Zcad::eWasErased;
    if (s->writer) return Zcad::eWasOpenForWrite;
    bool wasOpen = s->isOpen();
    if (mode == ZcDb::kForWrite) {
        if (s->readers > 0) return Zcad::eWasOpenForRead;
        if (onLockedLayer(s->object)) return Zcad::eOnLockedLayer;
        // Whether the drawing may be changed now is the documents' rule, not the database's.
        if (Zcad::ErrorStatus es = zrxhost::checkWriteOpen(s->database); es != Zcad::eOk) return es;
        s->writer = true;
    } else {
        if (s->readers >= 256) return Zcad::eAtMaxReaders;
        ++s->readers;
    }
    if (!wasOpen) zrxhost::stateOf(s->database)->noteOpened();
    obj = s->object;
    return Zcad::eOk;
}

// ---- xdata ----

namespace {

bool isXdataCode(int code) { return code >= 1000 && code <= 1071; }

bool appRegistered(const ZcDbDatabase* db, const char* app)
{
    zrxhost::ObjectStub* s = zrxhost::stubOf(db->regAppTableId());
    if (s == nullptr || s->object == nullptr) return false;
    zrxhost::HostAccess access;
    return static_cast<ZcDbSymbolTable*>(s->object)->has(app);
}

}  // namespace

resbuf* ZcDbObject::xData(const char* regappName) const
{
    assertReadEnabled();
    return m_xdata ? m_xdata->chain(regappName) : nullptr;
}

Zcad::ErrorStatus ZcDbObject::setXData(const resbuf* xdata)
{
    assertWriteEnabled();
    if (xdata == nullptr) return Zcad::eInvalidInput;

    // Check the whole chain before changing anything.
    struct Segment { const char* app; const resbuf* first; const resbuf* end; };
    std::vector<Segment> segments;
    int braces = 0;
    for (const resbuf* rb = xdata; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype == 1001) {
            if (rb->resval.rstring == nullptr || rb->resval.rstring[0] == '\0') return Zcad::eInvalidInput;
            if (!segments.empty()) segments.back().end = rb;
            segments.push_back(Segment{rb->resval.rstring, rb->rbnext, nullptr});
            braces = 0;
            continue;
        }
        if (segments.empty() || !isXdataCode(rb->restype)) return Zcad::eBadDxfSequence;
        if (rb->restype == 1002 && rb->resval.rstring != nullptr) {
            std::string b = rb->resval.rstring;
            if (b == "{") ++braces;
            else if (b == "}" && --braces < 0) return Zcad::eBadDxfSequence;
        }
    }
    if (segments.empty()) return Zcad::eBadDxfSequence;
    if (ZcDbDatabase* db = database()) {
        for (const Segment& seg : segments) {
            if (!appRegistered(db, seg.app)) return Zcad::eRegappIdNotFound;
        }
    }

    zrxhost::XdataStore::Builder store;
    store.start(m_xdata.get());
    zrxhost::XdataStore::Encoder items;
    for (const Segment& seg : segments) {
        if (seg.first == seg.end) {
            store.remove(seg.app);
            continue;
        }
        items.clear();
        for (const resbuf* rb = seg.first; rb != seg.end; rb = rb->rbnext) items.add(rb);
        store.put(seg.app, items.bytes());
    }
    m_xdata = store.finish();
    return Zcad::eOk;
}

void zrxhost::Access::adoptXdata(ZcDbObject* obj, std::unique_ptr<zrxhost::XdataStore> xdata)
{
    obj->assertWriteEnabled();
    if (!xdata) return;
    if (!obj->m_xdata) {
        obj->m_xdata = std::move(xdata);
        return;
    }
    zrxhost::XdataStore::Builder store;
    store.start(obj->m_xdata.get());
    size_t pos = 0;
    zrxhost::XdataStore::App app;
    while (xdata->nextApp(pos, app)) store.put(app.name, app.items);
    obj->m_xdata = store.finish();
}

const zrxhost::XdataStore* zrxhost::Access::xdataOf(const ZcDbObject* obj)
{
    obj->assertReadEnabled();
    return obj->m_xdata.get();
}

// ---- persistent reactors ----

void ZcDbObject::addPersistentReactor(ZcDbObjectId reactor)
{
    assertWriteEnabled();
    if (!m_reactors) m_reactors = std::make_unique<ZcDbObjectIdArray>();
    if (!m_reactors->contains(reactor)) m_reactors->append(reactor);
}

Zcad::ErrorStatus ZcDbObject::removePersistentReactor(ZcDbObjectId reactor)
{
    assertWriteEnabled();
    if (!m_reactors || !m_reactors->remove(reactor)) return Zcad::eKeyNotFound;
    if (m_reactors->isEmpty()) m_reactors.reset();
    return Zcad::eOk;
}

ZcDbObjectIdArray ZcDbObject::getPersistentReactors() const
{
    assertReadEnabled();
    return m_reactors ? *m_reactors : ZcDbObjectIdArray();
}

bool ZcDbObject::hasPersistentReactor(ZcDbObjectId reactor) const
{
    assertReadEnabled();
    return m_reactors && m_reactors->contains(reactor);
}

// ---- entity names of the C interface ----

Zcad::ErrorStatus zcdbGetAdsName(ads_name& name, ZcDbObjectId id)
{
    name[0] = name[1] = 0;
    zrxhost::ObjectStub* s = zrxhost::stubOf(id);
    if (s == nullptr) return Zcad::eNullObjectId;
    name[0] = zrxhost::stateOf(s->database)->serial();
    name[1] = static_cast<int64_t>(s->handle);
    return Zcad::eOk;
}

Zcad::ErrorStatus zcdbGetObjectId(ZcDbObjectId& id, const ads_name name)
{
    id.setNull();
    ZcDbDatabase* db = zrxhost::databaseBySerial(name[0]);
    if (db == nullptr) return Zcad::eInvalidAdsName;
    return db->getZcDbObjectId(id, false, ZcDbHandle(static_cast<uint64_t>(name[1])));
}
