// ZcDbDatabase: the tables and dictionaries of a drawing and its current settings.
#include "db_database.h"

#include "database_impl.h"
#include "zrxhost/contract.h"
#include "zrxhost/spaces.h"

namespace {

// The platform gives the tables and root dictionary of a new drawing these handles.
constexpr uint64_t kBlockTableHandle = 0x1;
constexpr uint64_t kLayerTableHandle = 0x2;
constexpr uint64_t kStyleTableHandle = 0x3;
constexpr uint64_t kLinetypeTableHandle = 0x5;
constexpr uint64_t kAppIdTableHandle = 0x9;
constexpr uint64_t kDimStyleTableHandle = 0xA;
constexpr uint64_t kNamedObjectsHandle = 0xC;
constexpr uint64_t kGroupDictionaryHandle = 0xD;
constexpr uint64_t kFirstFreeHandle = 0x10;

template <class Table, class Record>
ZcDbObjectId addRecord(ZcDbObjectId tableId, Record* record, const char* name)
{
    Table* table = nullptr;
    zcdbOpenObject(table, tableId, ZcDb::kForWrite);
    record->setName(name);
    ZcDbObjectId id;
    table->add(id, record);
    record->close();
    table->close();
    return id;
}

template <class Table>
ZcDbObjectId addTable(zrxhost::DatabaseState* impl, uint64_t handle)
{
    zrxhost::ObjectStub* s = impl->addObjectWithHandle(new Table, ZcDbObjectId(), handle);
    s->object->close();
    return zrxhost::idOf(s);
}

}  // namespace

ZcDbDatabase::ZcDbDatabase(bool buildDefaultDrawing, bool /*noDocument*/)
    : m_impl(std::make_unique<zrxhost::DatabaseState>(this))
{
    zrxhost::registerDatabase(this);
    if (buildDefaultDrawing) zrxhost::buildDefaultDrawing(this);
}

void zrxhost::buildDefaultDrawing(ZcDbDatabase* db)
{
    zrxhost::DatabaseState* d = stateOf(db);
    d->blockTable = addTable<ZcDbBlockTable>(d, kBlockTableHandle);
    d->layerTable = addTable<ZcDbLayerTable>(d, kLayerTableHandle);
    d->textStyleTable = addTable<ZcDbTextStyleTable>(d, kStyleTableHandle);
    d->linetypeTable = addTable<ZcDbLinetypeTable>(d, kLinetypeTableHandle);
    d->regAppTable = addTable<ZcDbRegAppTable>(d, kAppIdTableHandle);
    d->dimStyleTable = addTable<ZcDbDimStyleTable>(d, kDimStyleTableHandle);

    zrxhost::ObjectStub* nod = d->addObjectWithHandle(new ZcDbDictionary, ZcDbObjectId(), kNamedObjectsHandle);
    d->namedObjects = zrxhost::idOf(nod);
    auto* groups = new ZcDbDictionary;
    d->groupDictionary = zrxhost::idOf(d->addObjectWithHandle(groups, d->namedObjects, kGroupDictionaryHandle));
    {
        zrxhost::HostAccess access;
        auto* root = static_cast<ZcDbDictionary*>(nod->object);
        ZcDbObjectId ignored;
        root->setAt("ACAD_GROUP", groups, ignored);
    }
    groups->close();
    nod->object->close();
    d->reserveHandlesBelow(kFirstFreeHandle);

    d->modelSpace = addRecord<ZcDbBlockTable>(d->blockTable, new ZcDbBlockTableRecord, ZCDB_MODEL_SPACE);
    d->paperSpace = addRecord<ZcDbBlockTable>(d->blockTable, new ZcDbBlockTableRecord, ZCDB_PAPER_SPACE);

    d->byBlockLt = addRecord<ZcDbLinetypeTable>(d->linetypeTable, new ZcDbLinetypeTableRecord, "ByBlock");
    d->byLayerLt = addRecord<ZcDbLinetypeTable>(d->linetypeTable, new ZcDbLinetypeTableRecord, "ByLayer");
    auto* continuous = new ZcDbLinetypeTableRecord;
    continuous->setComments("Solid line");
    d->continuousLt = addRecord<ZcDbLinetypeTable>(d->linetypeTable, continuous, "Continuous");

    auto* layer0 = new ZcDbLayerTableRecord;
    layer0->setLinetypeObjectId(d->continuousLt);
    d->clayer = addRecord<ZcDbLayerTable>(d->layerTable, layer0, "0");
    d->celtype = d->byLayerLt;
    d->textstyle = addRecord<ZcDbTextStyleTable>(d->textStyleTable, new ZcDbTextStyleTableRecord, "Standard");
    auto* dimStandard = new ZcDbDimStyleTableRecord;
    dimStandard->setDimtxsty(d->textstyle);
    d->dimstyle = addRecord<ZcDbDimStyleTable>(d->dimStyleTable, dimStandard, "Standard");
    addRecord<ZcDbRegAppTable>(d->regAppTable, new ZcDbRegAppTableRecord, "ACAD");
}

ZcGePoint3d ZcDbDatabase::insbase() const { return m_impl->insbase; }

Zcad::ErrorStatus ZcDbDatabase::setInsbase(const ZcGePoint3d& base)
{
    m_impl->insbase = base;
    return Zcad::eOk;
}

ZcDbDatabase::~ZcDbDatabase()
{
    if (m_impl->openCount() != 0) {
        zrxhost::contractViolation("a database was destroyed with objects still open:\n" +
                                   zrxhost::openObjectsReport());
    }
    zrxhost::unregisterDatabase(this);
    if (zcdbHostApplicationServices()->workingDatabase() == this) {
        zcdbHostApplicationServices()->setWorkingDatabase(nullptr);
    }
    m_impl.reset();
}

ZcDbObjectId ZcDbDatabase::blockTableId() const { return m_impl->blockTable; }
ZcDbObjectId ZcDbDatabase::layerTableId() const { return m_impl->layerTable; }
ZcDbObjectId ZcDbDatabase::linetypeTableId() const { return m_impl->linetypeTable; }
ZcDbObjectId ZcDbDatabase::textStyleTableId() const { return m_impl->textStyleTable; }
ZcDbObjectId ZcDbDatabase::dimStyleTableId() const { return m_impl->dimStyleTable; }
ZcDbObjectId ZcDbDatabase::regAppTableId() const { return m_impl->regAppTable; }
ZcDbObjectId ZcDbDatabase::namedObjectsDictionaryId() const { return m_impl->namedObjects; }
ZcDbObjectId ZcDbDatabase::groupDictionaryId() const { return m_impl->groupDictionary; }

ZcDbObjectId zrxhost::modelSpaceId(const ZcDbDatabase* db) { return stateOf(db)->modelSpace; }
ZcDbObjectId zrxhost::paperSpaceId(const ZcDbDatabase* db) { return stateOf(db)->paperSpace; }

Zcad::ErrorStatus ZcDbDatabase::getBlockTable(ZcDbBlockTable*& t, ZcDb::OpenMode m) const
{
    return zcdbOpenObject(t, m_impl->blockTable, m);
}
Zcad::ErrorStatus ZcDbDatabase::getLayerTable(ZcDbLayerTable*& t, ZcDb::OpenMode m) const
{
    return zcdbOpenObject(t, m_impl->layerTable, m);
}
Zcad::ErrorStatus ZcDbDatabase::getLinetypeTable(ZcDbLinetypeTable*& t, ZcDb::OpenMode m) const
{
    return zcdbOpenObject(t, m_impl->linetypeTable, m);
}
Zcad::ErrorStatus ZcDbDatabase::getTextStyleTable(ZcDbTextStyleTable*& t, ZcDb::OpenMode m) const
{
    return zcdbOpenObject(t, m_impl->textStyleTable, m);
}
Zcad::ErrorStatus ZcDbDatabase::getDimStyleTable(ZcDbDimStyleTable*& t, ZcDb::OpenMode m) const
{
    return zcdbOpenObject(t, m_impl->dimStyleTable, m);
}
Zcad::ErrorStatus ZcDbDatabase::getRegAppTable(ZcDbRegAppTable*& t, ZcDb::OpenMode m) const
{
    return zcdbOpenObject(t, m_impl->regAppTable, m);
}
Zcad::ErrorStatus ZcDbDatabase::getNamedObjectsDictionary(ZcDbDictionary*& d, ZcDb::OpenMode m) const
{
    return zcdbOpenObject(d, m_impl->namedObjects, m);
}
Zcad::ErrorStatus ZcDbDatabase::getGroupDictionary(ZcDbDictionary*& d, ZcDb::OpenMode m) const
{
    return zcdbOpenObject(d, m_impl->groupDictionary, m);
}

Zcad::ErrorStatus ZcDbDatabase::getZcDbObjectId(ZcDbObjectId& id, bool /*createIfNotFound*/,
                                                const ZcDbHandle& handle, uint32_t /*xRefId*/) const
{
    zrxhost::ObjectStub* s = m_impl->findHandle(handle);
    id = zrxhost::idOf(s);
    if (s == nullptr) return handle.isNull() ? Zcad::eNullHandle : Zcad::eUnknownHandle;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDatabase::addZcDbObject(ZcDbObjectId& id, ZcDbObject* obj)
{
    id.setNull();
    if (obj == nullptr) return Zcad::eNullObjectPointer;
    if (obj->isDatabaseResident()) return Zcad::eAlreadyInDb;
    id = zrxhost::idOf(m_impl->addObject(obj, ZcDbObjectId()));
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDatabase::addZcDbObject(ZcDbObject* obj)
{
    ZcDbObjectId ignored;
    return addZcDbObject(ignored, obj);
}

ZcDbHandle ZcDbDatabase::handseed() const { return ZcDbHandle(m_impl->nextHandle()); }

namespace {
// A current-setting change must name a record of the right table of this database.
Zcad::ErrorStatus setCurrent(const ZcDbDatabase* db, ZcDbObjectId& slot, ZcDbObjectId id, ZcRxClass* kind)
{
    if (id.isNull()) return Zcad::eNullObjectId;
    if (id.database() != db) return Zcad::eWrongDatabase;
    if (id.objectClass() == nullptr || !id.objectClass()->isDerivedFrom(kind)) return Zcad::eWrongObjectType;
    if (id.isErased()) return Zcad::eWasErased;
    slot = id;
    return Zcad::eOk;
}
}  // namespace

ZcDbObjectId ZcDbDatabase::clayer() const { return m_impl->clayer; }
Zcad::ErrorStatus ZcDbDatabase::setClayer(ZcDbObjectId id)
{
    return setCurrent(this, m_impl->clayer, id, ZcDbLayerTableRecord::desc());
}
ZcDbObjectId ZcDbDatabase::celtype() const { return m_impl->celtype; }
Zcad::ErrorStatus ZcDbDatabase::setCeltype(ZcDbObjectId id)
{
    return setCurrent(this, m_impl->celtype, id, ZcDbLinetypeTableRecord::desc());
}
ZcDbObjectId ZcDbDatabase::textstyle() const { return m_impl->textstyle; }
Zcad::ErrorStatus ZcDbDatabase::setTextstyle(ZcDbObjectId id)
{
    return setCurrent(this, m_impl->textstyle, id, ZcDbTextStyleTableRecord::desc());
}
ZcDbObjectId ZcDbDatabase::dimstyle() const { return m_impl->dimstyle; }
Zcad::ErrorStatus ZcDbDatabase::setDimstyle(ZcDbObjectId id)
{
    return setCurrent(this, m_impl->dimstyle, id, ZcDbDimStyleTableRecord::desc());
}
ZcDbObjectId ZcDbDatabase::byLayerLinetype() const { return m_impl->byLayerLt; }
ZcDbObjectId ZcDbDatabase::byBlockLinetype() const { return m_impl->byBlockLt; }
ZcDbObjectId ZcDbDatabase::continuousLinetype() const { return m_impl->continuousLt; }

Zcad::ErrorStatus ZcDbDatabase::getFilename(const char*& name) const
{
    name = m_impl->filename.c_str();
    return Zcad::eOk;
}


ZcDbHostApplicationServices* zcdbHostApplicationServices()
{
    static ZcDbHostApplicationServices services;
    return &services;
}
