// Name lookups keep the last answer: consecutive entities mostly share a layer.
#include "dxf/read_context.h"

#include "db/database_impl.h"
#include "db_block.h"
#include "db_tables.h"
#include "dxf/handle_renumbering.h"
#include "dxf/tag_writer.h"
#include "zrxhost/contract.h"

namespace zrx::dxf {

ReadContext::ReadContext(ZcDbDatabase* database, std::string fileName)
    : db(database), state(fileState(database)), file(std::move(fileName)), codePage("ANSI_1252")
{
}

ZcDbObjectId ReadContext::idOf(uint64_t handle) const
{
    return zrxhost::idOf(zrxhost::stateOf(db)->findHandle(handle));
}

ZcDbObjectId ReadContext::lookup(ZcDbObjectId tableId, std::string_view name, std::string& cacheName,
                                 ZcDbObjectId& cacheId)
{
    if (!cacheId.isNull() && name == cacheName) return cacheId;
    auto* table = zrxhost::peek<ZcDbSymbolTable>(tableId);
    ZcDbObjectId id;
    if (table == nullptr || table->getAt(std::string(name).c_str(), id, true) != Zcad::eOk) return {};
    cacheName = name;
    cacheId = id;
    return id;
}

ZcDbObjectId ReadContext::layer(std::string_view name, uint32_t line)
{
    ZcDbObjectId id = lookup(db->layerTableId(), name, m_layerName, m_layerId);
    if (!id.isNull()) return id;
    auto* table = zrxhost::peek<ZcDbLayerTable>(db->layerTableId());
    if (table == nullptr) fail(Zcad::eBadDxfSequence, line, "an entity comes before the LAYER table");
    auto* record = new ZcDbLayerTableRecord;
    if (record->setName(std::string(name).c_str()) != Zcad::eOk) {
        delete record;
        fail(Zcad::eInvalidSymbolTableName, line, "invalid layer name \"" + std::string(name) + "\"");
    }
    record->setLinetypeObjectId(db->continuousLinetype());
    table->add(id, record);
    record->close();
    return id;
}

ZcDbObjectId ReadContext::linetype(std::string_view name)
{
    return lookup(db->linetypeTableId(), name, m_linetypeName, m_linetypeId);
}

namespace {

// A record of the name in the table, with the defaults of a new one; null when the name
// cannot be a record's.
template <class Table, class Record>
ZcDbObjectId makeRecord(ZcDbObjectId tableId, std::string_view name)
{
    auto* table = zrxhost::peek<Table>(tableId);
    if (table == nullptr) return {};
    auto* record = new Record;
    ZcDbObjectId id;
    if (record->setName(std::string(name).c_str()) != Zcad::eOk || table->add(id, record) != Zcad::eOk) {
        delete record;
        return {};
    }
    record->close();
    return id;
}

}  // namespace

ZcDbObjectId ReadContext::linetypeForEntity(std::string_view name, uint32_t line)
{
    ZcDbObjectId id = linetype(name);
    if (!id.isNull()) return id;
    id = makeRecord<ZcDbLinetypeTable, ZcDbLinetypeTableRecord>(db->linetypeTableId(), name);
    if (!id.isNull()) repair(line, "linetype \"" + std::string(name) + "\" is not in the drawing; it is made continuous");
    return id;
}

ZcDbObjectId ReadContext::textStyleForEntity(std::string_view name, uint32_t line)
{
    ZcDbObjectId id = textStyle(name);
    if (!id.isNull()) return id;
    id = makeRecord<ZcDbTextStyleTable, ZcDbTextStyleTableRecord>(db->textStyleTableId(), name);
    if (!id.isNull()) {
        repair(line, "text style \"" + std::string(name) + "\" is not in the drawing; it is made with the default font");
    }
    return id;
}

ZcDbObjectId ReadContext::dimStyleForEntity(std::string_view name, uint32_t line)
{
    ZcDbObjectId id = dimStyle(name);
    if (!id.isNull()) return id;
    id = makeRecord<ZcDbDimStyleTable, ZcDbDimStyleTableRecord>(db->dimStyleTableId(), name);
    if (!id.isNull()) {
        repair(line, "dimension style \"" + std::string(name) + "\" is not in the drawing; it is made with the defaults");
    }
    return id;
}

ZcDbObjectId ReadContext::textStyle(std::string_view name)
{
    return lookup(db->textStyleTableId(), name, m_styleName, m_styleId);
}

ZcDbObjectId ReadContext::dimStyle(std::string_view name)
{
    return lookup(db->dimStyleTableId(), name, m_dimStyleName, m_dimStyleId);
}

ZcDbObjectId ReadContext::block(std::string_view name, uint32_t line)
{
    auto* table = zrxhost::peek<ZcDbBlockTable>(db->blockTableId());
    if (table == nullptr) fail(Zcad::eBadDxfSequence, line, "a block is named before the block table exists");
    ZcDbObjectId id;
    if (table->getAt(std::string(name).c_str(), id, true) == Zcad::eOk) return id;
    auto* record = new ZcDbBlockTableRecord;
    if (record->setName(std::string(name).c_str()) != Zcad::eOk) {
        delete record;
        fail(Zcad::eInvalidBlockName, line, "invalid block name \"" + std::string(name) + "\"");
    }
    table->add(id, record);
    record->close();
    return id;
}

void ReadContext::ensureRegApp(const std::string& name)
{
    // Entities mostly carry the same few applications.
    if (m_knownApps.count(name) != 0) return;
    m_knownApps.insert(name);
    auto* table = zrxhost::peek<ZcDbRegAppTable>(db->regAppTableId());
    if (table == nullptr || table->has(name.c_str())) return;
    auto* record = new ZcDbRegAppTableRecord;
    if (record->setName(name.c_str()) != Zcad::eOk || table->add(record) != Zcad::eOk) {
        delete record;
        return;
    }
    record->close();
}

void ReadContext::unpin() { zrxhost::stateOf(db)->pinNextHandle(0); }

void ReadContext::pinHandle(uint64_t handle, uint32_t line)
{
    unpin();
    if (handle == 0) return;
    if (handle > kLastHandle) throw HandlesExhausted(file, line);
    if (zrxhost::stateOf(db)->findHandle(handle) != nullptr || m_claimed.count(handle) != 0) {
        fail(Zcad::eHandleExists, line, "duplicate handle " + formatHandle(handle));
    }
    if (handle > highestHandle) highestHandle = handle;
    zrxhost::stateOf(db)->pinNextHandle(handle);
}

void ReadContext::claimHandle(uint64_t handle, uint32_t line)
{
    if (handle == 0) return;
    if (handle > kLastHandle) throw HandlesExhausted(file, line);
    if (zrxhost::stateOf(db)->findHandle(handle) != nullptr || !m_claimed.insert(handle).second) {
        fail(Zcad::eHandleExists, line, "duplicate handle " + formatHandle(handle));
    }
    if (handle > highestHandle) highestHandle = handle;
}

void ReadContext::runLater()
{
    // Work may queue more work (a dictionary entry resolving to an object with reactors).
    for (size_t i = 0; i < m_later.size(); ++i) {
        auto work = std::move(m_later[i]);
        work();
    }
    m_later.clear();
}

}  // namespace zrx::dxf
