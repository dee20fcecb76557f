// Unmodelled content: classes named after what it is, data as it was read.
#include "dxf/raw_objects.h"

#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include "db/database_impl.h"

// isA() answers the class of what was read; desc() is the holder class every such class
// derives from, so cast() finds them all.
#define ZRX_DEFINE_RAW(CLASS, PARENT, NAME)                      \
    ZcRxClass* CLASS::desc()                                     \
    {                                                            \
        static ZcRxClass* cls =                                  \
            zrxhost::Access::newClass(NAME, "", PARENT::desc()); \
        return cls;                                              \
    }                                                            \
    ZcRxClass* CLASS::isA() const { return m_class; }

ZRX_DEFINE_RAW(ZcDbRawEntity, ZcDbEntity, "AcDbRawEntity")
ZRX_DEFINE_RAW(ZcDbRawObject, ZcDbObject, "AcDbRawObject")
ZRX_DEFINE_RAW(ZcDbRawTableRecord, ZcDbSymbolTableRecord, "AcDbRawTableRecord")
ZRX_DEFINE_RAW(ZcDbRawSymbolTable, ZcDbObject, "AcDbRawSymbolTable")

namespace zrx::dxf {
ZcRxClass* rawClass(ZcRxClass* parent, const std::string& className, const std::string& dxfName)
{
    struct Named {
        std::string name, dxf;
        std::unique_ptr<ZcRxClass> cls;
    };
    static std::mutex lock;
    static std::map<std::tuple<ZcRxClass*, std::string, std::string>, std::unique_ptr<Named>> classes;
    std::lock_guard<std::mutex> guard(lock);
    auto& slot = classes[{parent, className, dxfName}];
    if (!slot) {
        slot = std::make_unique<Named>();
        slot->name = className;
        slot->dxf = dxfName;
        slot->cls.reset(zrxhost::Access::newClass(slot->name.c_str(), slot->dxf.c_str(), parent));
    }
    return slot->cls.get();
}
}  // namespace zrx::dxf

ZcDbRawEntity::ZcDbRawEntity(ZcRxClass* cls, zrx::dxf::Extras data) : m_class(cls), m_data(std::move(data)) {}

ZcRxObject* ZcDbRawEntity::clone() const
{
    auto* copy = new ZcDbRawEntity(*this);
    for (zrx::dxf::RawRecord& f : copy->m_followers) {
        std::erase_if(f.tags, [](const zrx::dxf::KeptTag& t) { return t.code == 5 || t.code == 330; });
    }
    return copy;
}

ZcDbRawObject::ZcDbRawObject(ZcRxClass* cls, zrx::dxf::Extras data) : m_class(cls), m_data(std::move(data)) {}
ZcRxObject* ZcDbRawObject::clone() const { return new ZcDbRawObject(*this); }

ZcDbRawTableRecord::ZcDbRawTableRecord(ZcRxClass* cls, zrx::dxf::Extras data) : m_class(cls), m_data(std::move(data))
{
}
ZcRxObject* ZcDbRawTableRecord::clone() const { return new ZcDbRawTableRecord(*this); }

ZcDbRawSymbolTable::ZcDbRawSymbolTable(ZcRxClass* cls, std::string tableName) : m_class(cls), m_name(std::move(tableName))
{
}

ZcRxObject* ZcDbRawSymbolTable::clone() const
{
    auto* copy = new ZcDbRawSymbolTable(*this);
    copy->m_records.removeAll();
    return copy;
}

Zcad::ErrorStatus ZcDbRawSymbolTable::add(ZcDbObjectId& id, ZcDbRawTableRecord* record)
{
    assertWriteEnabled();
    id.setNull();
    if (record == nullptr) return Zcad::eNullObjectPointer;
    if (record->isDatabaseResident()) return Zcad::eAlreadyInDb;
    if (database() == nullptr) return Zcad::eNoDatabase;
    id = zrxhost::adopt(database(), record, objectId());
    if (id.isNull()) return Zcad::eHandleExists;
    m_records.append(id);
    return Zcad::eOk;
}
