// Entities copied between drawings with what they refer to.
#include "db/drawing_copier.h"

#include <memory>
#include <type_traits>

#include "database_impl.h"
#include "db/record_name.h"
#include "zrxhost/contract.h"
#include "zrxhost/spaces.h"

namespace zrxhost {
namespace {

template <class Table> struct RecordOf;
template <> struct RecordOf<ZcDbLayerTable> { using type = ZcDbLayerTableRecord; };
template <> struct RecordOf<ZcDbLinetypeTable> { using type = ZcDbLinetypeTableRecord; };
template <> struct RecordOf<ZcDbTextStyleTable> { using type = ZcDbTextStyleTableRecord; };
template <> struct RecordOf<ZcDbDimStyleTable> { using type = ZcDbDimStyleTableRecord; };
template <> struct RecordOf<ZcDbRegAppTable> { using type = ZcDbRegAppTableRecord; };

}  // namespace

Zcad::ErrorStatus DrawingCopier::copyBlock(ZcDbObjectId sourceBlock, const std::string& name, ZcDbObjectId& made)
{
    auto* source = peek<ZcDbBlockTableRecord>(sourceBlock);
    if (source == nullptr) return Zcad::eWrongObjectType;
    auto* block = new ZcDbBlockTableRecord;
    block->setName(name.c_str());
    {
        ZcDbObjectPointer<ZcDbBlockTable> table(m_to->blockTableId(), ZcDb::kForWrite);
        if (table.openStatus() != Zcad::eOk) {
            delete block;
            return table.openStatus();
        }
        if (Zcad::ErrorStatus es = table->add(made, block); es != Zcad::eOk) {
            delete block;
            return es;
        }
    }
    // The block is known before its entities are copied, so a block that refers to
    // itself through its references does not loop.
    m_blocks[sourceBlock] = made;
    block->close();
    for (ZcDbObjectId id : entityIds(source)) {
        if (id.isErased()) continue;
        auto* entity = peek<ZcDbEntity>(id);
        if (entity == nullptr) continue;
        if (Zcad::ErrorStatus es = copyEntity(entity, made); es != Zcad::eOk) return es;
    }
    return Zcad::eOk;
}

Zcad::ErrorStatus DrawingCopier::copyEntity(const ZcDbEntity* entity, ZcDbObjectId block, const ZcGeMatrix3d* xform)
{
    std::unique_ptr<ZcDbEntity> copy(static_cast<ZcDbEntity*>(entity->clone()));
    if (!copy) return Zcad::eNotApplicable;
    ZcDbObjectId layer = record<ZcDbLayerTable>(entity->layerId(), m_to->layerTableId());
    if (!layer.isNull()) copy->setLayer(layer);
    copy->setLinetype(linetype(entity->linetypeId()));
    if (auto* text = ZcDbText::cast(copy.get())) text->setTextStyle(record<ZcDbTextStyleTable>(text->textStyle(), m_to->textStyleTableId()));
    if (auto* dim = ZcDbDimension::cast(copy.get())) {
        dim->setDimensionStyle(record<ZcDbDimStyleTable>(dim->dimensionStyle(), m_to->dimStyleTableId()));
        // The dimension's picture belongs to the source drawing; it is drawn anew.
        dim->setDimBlockId(ZcDbObjectId::kNull);
    }
    if (auto* leader = ZcDbLeader::cast(copy.get()))
        leader->setDimensionStyle(record<ZcDbDimStyleTable>(leader->dimensionStyle(), m_to->dimStyleTableId()));
    if (auto* ref = ZcDbBlockReference::cast(copy.get())) {
        ZcDbObjectId nested = blockFor(ref->blockTableRecord());
        if (nested.isNull()) return Zcad::eInvalidInput;
        ref->setBlockTableRecord(nested);
    }
    registerApps(entity);
    if (xform != nullptr) {
        if (Zcad::ErrorStatus es = copy->transformBy(*xform); es != Zcad::eOk) return es;
    }

    ZcDbObjectPointer<ZcDbBlockTableRecord> target(block, ZcDb::kForWrite);
    if (target.openStatus() != Zcad::eOk) return target.openStatus();
    ZcDbObjectId id;
    if (Zcad::ErrorStatus es = target->appendZcDbEntity(id, copy.get()); es != Zcad::eOk) return es;
    ZcDbEntity* appended = copy.release();
    Zcad::ErrorStatus es = copyAttributes(ZcDbBlockReference::cast(entity), ZcDbBlockReference::cast(appended), xform);
    appended->close();
    return es;
}

// The attributes a reference owns go with its copy.
Zcad::ErrorStatus DrawingCopier::copyAttributes(const ZcDbBlockReference* from, ZcDbBlockReference* to,
                                                const ZcGeMatrix3d* xform)
{
    if (from == nullptr || to == nullptr) return Zcad::eOk;
    std::unique_ptr<ZcDbObjectIterator> it(from->attributeIterator());
    for (it->start(); !it->done(); it->step()) {
        auto* attribute = peek<ZcDbAttribute>(it->objectId());
        if (attribute == nullptr) continue;
        std::unique_ptr<ZcDbAttribute> copy(static_cast<ZcDbAttribute*>(attribute->clone()));
        if (!copy) continue;
        ZcDbObjectId layer = record<ZcDbLayerTable>(attribute->layerId(), m_to->layerTableId());
        if (!layer.isNull()) copy->setLayer(layer);
        copy->setLinetype(linetype(attribute->linetypeId()));
        copy->setTextStyle(record<ZcDbTextStyleTable>(attribute->textStyle(), m_to->textStyleTableId()));
        registerApps(attribute);
        if (xform != nullptr) copy->transformBy(*xform);
        if (Zcad::ErrorStatus es = to->appendAttribute(copy.get()); es != Zcad::eOk) return es;
        copy.release()->close();
    }
    return Zcad::eOk;
}

ZcDbObjectId DrawingCopier::linetype(ZcDbObjectId source)
{
    if (source.isNull() || source == m_from->byLayerLinetype()) return m_to->byLayerLinetype();
    if (source == m_from->byBlockLinetype()) return m_to->byBlockLinetype();
    if (source == m_from->continuousLinetype()) return m_to->continuousLinetype();
    ZcDbObjectId id = record<ZcDbLinetypeTable>(source, m_to->linetypeTableId());
    return id.isNull() ? m_to->byLayerLinetype() : id;
}

void DrawingCopier::mergeTables()
{
    mergeTable<ZcDbLinetypeTable>(m_from->linetypeTableId(), m_to->linetypeTableId());
    mergeTable<ZcDbTextStyleTable>(m_from->textStyleTableId(), m_to->textStyleTableId());
    mergeTable<ZcDbLayerTable>(m_from->layerTableId(), m_to->layerTableId());
    mergeTable<ZcDbDimStyleTable>(m_from->dimStyleTableId(), m_to->dimStyleTableId());
    mergeTable<ZcDbRegAppTable>(m_from->regAppTableId(), m_to->regAppTableId());
    auto* blocks = peek<ZcDbBlockTable>(m_from->blockTableId());
    if (blocks == nullptr) return;
    ZcDbSymbolTableIterator* it = nullptr;
    if (blocks->newIterator(it) != Zcad::eOk) return;
    std::unique_ptr<ZcDbSymbolTableIterator> owned(it);
    for (; !it->done(); it->step()) {
        ZcDbObjectId id;
        it->getRecordId(id);
        auto* block = peek<ZcDbBlockTableRecord>(id);
        // Anonymous blocks belong to the entities that use them; they come with those.
        if (block != nullptr && !block->isLayout() && !block->isAnonymous()) blockFor(id);
    }
}

template <class Table>
void DrawingCopier::mergeTable(ZcDbObjectId source, ZcDbObjectId target)
{
    auto* table = peek<Table>(source);
    ZcDbSymbolTableIterator* it = nullptr;
    if (table == nullptr || table->newIterator(it) != Zcad::eOk) return;
    std::unique_ptr<ZcDbSymbolTableIterator> owned(it);
    for (; !it->done(); it->step()) {
        ZcDbObjectId id;
        if (it->getRecordId(id) == Zcad::eOk) record<Table>(id, target);
    }
}

// The record of this drawing with the source record's name; a copy of it when there is
// none. Null when the source id is not a record of that table.
template <class Table>
ZcDbObjectId DrawingCopier::record(ZcDbObjectId source, ZcDbObjectId table)
{
    using Record = typename RecordOf<Table>::type;
    if (source.isNull()) return {};
    if (auto it = m_records.find(source); it != m_records.end()) return it->second;
    auto* from = peek<Record>(source);
    if (from == nullptr) return {};
    ZcDbObjectId id;
    {
        ZcDbObjectPointer<Table> t(table, ZcDb::kForRead);
        if (t.openStatus() != Zcad::eOk) return {};
        t->getAt(recordName(from), id);
    }
    // Known before its own references are translated, so a record reached again through
    // them is not copied twice.
    if (!id.isNull()) {
        m_records[source] = id;
        if (m_drc == ZcDb::kDrcReplace) replaceRecord<Table>(id, from);
        return id;
    }
    std::unique_ptr<Record> copy(translatedCopy<Table>(from));
    ZcDbObjectPointer<Table> t(table, ZcDb::kForWrite);
    if (!copy || t.openStatus() != Zcad::eOk || t->add(id, copy.get()) != Zcad::eOk) return {};
    copy.release()->close();
    m_records[source] = id;
    return id;
}

// A copy of a source record whose references name this drawing's records.
template <class Table, class Record>
Record* DrawingCopier::translatedCopy(const Record* from)
{
    auto* copy = static_cast<Record*>(from->clone());
    if (copy == nullptr) return nullptr;
    if constexpr (std::is_same_v<Table, ZcDbLayerTable>) copy->setLinetypeObjectId(linetype(from->linetypeObjectId()));
    if constexpr (std::is_same_v<Table, ZcDbDimStyleTable>) {
        copy->setDimtxsty(record<ZcDbTextStyleTable>(from->dimtxsty(), m_to->textStyleTableId()));
        // Arrowhead blocks are the source's; the copy draws the default arrows.
        copy->setDimblk(ZcDbObjectId::kNull);
        copy->setDimblk1(ZcDbObjectId::kNull);
        copy->setDimblk2(ZcDbObjectId::kNull);
        copy->setDimldrblk(ZcDbObjectId::kNull);
    }
    return copy;
}

// The source's settings take the place of this drawing's record of that name: same id,
// handle and owner, so whatever refers to it here still does.
template <class Table, class Record>
void DrawingCopier::replaceRecord(ZcDbObjectId existing, const Record* from)
{
    ObjectStub* stub = stubOf(existing);
    if (stub == nullptr || stub->object == nullptr || stub->isOpen()) return;
    Record* fresh = translatedCopy<Table>(from);
    if (fresh == nullptr) return;
    ZcDbObject* old = stub->object;
    fresh->setOwnerId(old->ownerId());
    setStub(old, nullptr);
    stub->object = fresh;
    setStub(fresh, stub);
    delete old;
}

// A nested block: this drawing's block of that name, or a copy of the source's.
ZcDbObjectId DrawingCopier::blockFor(ZcDbObjectId sourceBlock)
{
    if (auto it = m_blocks.find(sourceBlock); it != m_blocks.end()) return it->second;
    auto* source = peek<ZcDbBlockTableRecord>(sourceBlock);
    if (source == nullptr) return {};
    std::string name = recordName(source);
    ZcDbObjectId id;
    if (source->isAnonymous()) {
        // Anonymous names are per drawing: the copy gets one not yet taken here.
        std::string stem = name.substr(0, 2);
        for (int n = 1; hasBlock(name = stem + std::to_string(n)); ++n) {
        }
    } else if (hasBlock(name, &id)) {
        m_blocks[sourceBlock] = id;
        return id;
    }
    if (copyBlock(sourceBlock, name, id) != Zcad::eOk) return {};
    return id;
}

bool DrawingCopier::hasBlock(const std::string& name, ZcDbObjectId* id)
{
    ZcDbObjectPointer<ZcDbBlockTable> t(m_to->blockTableId(), ZcDb::kForRead);
    ZcDbObjectId found;
    if (t.openStatus() == Zcad::eOk) t->getAt(name.c_str(), found);
    if (id != nullptr) *id = found;
    return !found.isNull();
}

void DrawingCopier::registerApps(const ZcDbObject* object)
{
    resbuf* chain = object->xData(nullptr);
    for (const resbuf* rb = chain; rb != nullptr; rb = rb->rbnext) {
        if (rb->restype != 1001 || rb->resval.rstring == nullptr) continue;
        ZcDbObjectId source;
        {
            ZcDbObjectPointer<ZcDbRegAppTable> t(m_from->regAppTableId(), ZcDb::kForRead);
            if (t.openStatus() == Zcad::eOk) t->getAt(rb->resval.rstring, source);
        }
        record<ZcDbRegAppTable>(source, m_to->regAppTableId());
    }
    zcutRelRb(chain);
}

}  // namespace zrxhost
