// ZcDbDatabase::insert: another drawing's model space as a block of this one, the way a
// drawing file is inserted as a block. Entities are copied with what they refer to:
// layers, line types, text and dimension styles and nested blocks are found here by name
// and copied over when missing; registered applications of their xdata come along.
#include <map>
#include <memory>
#include <string>
#include <type_traits>

#include "database_impl.h"
#include "util/text_case.h"
#include "zrx/zrx_all.h"
#include "zrxhost/contract.h"
#include "db/record_name.h"
#include "zrxhost/spaces.h"

namespace {

template <class Table> struct RecordOf;
template <> struct RecordOf<ZcDbLayerTable> { using type = ZcDbLayerTableRecord; };
template <> struct RecordOf<ZcDbLinetypeTable> { using type = ZcDbLinetypeTableRecord; };
template <> struct RecordOf<ZcDbTextStyleTable> { using type = ZcDbTextStyleTableRecord; };
template <> struct RecordOf<ZcDbDimStyleTable> { using type = ZcDbDimStyleTableRecord; };
template <> struct RecordOf<ZcDbRegAppTable> { using type = ZcDbRegAppTableRecord; };

class DrawingCopier {
public:
    DrawingCopier(ZcDbDatabase* from, ZcDbDatabase* to) : m_from(from), m_to(to) {}

    // A new block named name holding copies of the source block's entities.
    Zcad::ErrorStatus copyBlock(ZcDbObjectId sourceBlock, const std::string& name, ZcDbObjectId& made)
    {
        auto* source = zrxhost::peek<ZcDbBlockTableRecord>(sourceBlock);
        if (source == nullptr) return Zcad::eWrongObjectType;
        auto* record = new ZcDbBlockTableRecord;
        record->setName(name.c_str());
        {
            ZcDbObjectPointer<ZcDbBlockTable> table(m_to->blockTableId(), ZcDb::kForWrite);
            if (table.openStatus() != Zcad::eOk) {
                delete record;
                return table.openStatus();
            }
            if (Zcad::ErrorStatus es = table->add(made, record); es != Zcad::eOk) {
                delete record;
                return es;
            }
        }
        // The block is known before its entities are copied, so a block that refers to
        // itself through its references does not loop.
        m_blocks[sourceBlock] = made;
        record->close();
        for (ZcDbObjectId id : zrxhost::entityIds(source)) {
            if (id.isErased()) continue;
            auto* entity = zrxhost::peek<ZcDbEntity>(id);
            if (entity == nullptr) continue;
            if (Zcad::ErrorStatus es = copyEntity(entity, made); es != Zcad::eOk) return es;
        }
        return Zcad::eOk;
    }

private:
    Zcad::ErrorStatus copyEntity(const ZcDbEntity* entity, ZcDbObjectId block)
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

        ZcDbObjectPointer<ZcDbBlockTableRecord> target(block, ZcDb::kForWrite);
        if (target.openStatus() != Zcad::eOk) return target.openStatus();
        ZcDbObjectId id;
        if (Zcad::ErrorStatus es = target->appendZcDbEntity(id, copy.get()); es != Zcad::eOk) return es;
        ZcDbEntity* appended = copy.release();
        Zcad::ErrorStatus es = copyAttributes(ZcDbBlockReference::cast(entity), ZcDbBlockReference::cast(appended));
        appended->close();
        return es;
    }

    // The attributes a reference owns go with its copy.
    Zcad::ErrorStatus copyAttributes(const ZcDbBlockReference* from, ZcDbBlockReference* to)
    {
        if (from == nullptr || to == nullptr) return Zcad::eOk;
        std::unique_ptr<ZcDbObjectIterator> it(from->attributeIterator());
        for (it->start(); !it->done(); it->step()) {
            auto* attribute = zrxhost::peek<ZcDbAttribute>(it->objectId());
            if (attribute == nullptr) continue;
            std::unique_ptr<ZcDbAttribute> copy(static_cast<ZcDbAttribute*>(attribute->clone()));
            if (!copy) continue;
            ZcDbObjectId layer = record<ZcDbLayerTable>(attribute->layerId(), m_to->layerTableId());
            if (!layer.isNull()) copy->setLayer(layer);
            copy->setLinetype(linetype(attribute->linetypeId()));
            copy->setTextStyle(record<ZcDbTextStyleTable>(attribute->textStyle(), m_to->textStyleTableId()));
            registerApps(attribute);
            if (Zcad::ErrorStatus es = to->appendAttribute(copy.get()); es != Zcad::eOk) return es;
            copy.release()->close();
        }
        return Zcad::eOk;
    }

    ZcDbObjectId linetype(ZcDbObjectId source)
    {
        if (source.isNull() || source == m_from->byLayerLinetype()) return m_to->byLayerLinetype();
        if (source == m_from->byBlockLinetype()) return m_to->byBlockLinetype();
        if (source == m_from->continuousLinetype()) return m_to->continuousLinetype();
        ZcDbObjectId id = record<ZcDbLinetypeTable>(source, m_to->linetypeTableId());
        return id.isNull() ? m_to->byLayerLinetype() : id;
    }

    // The record of this drawing with the source record's name; a copy of it when there
    // is none. Null when the source id is not a record of that table.
    template <class Table>
    ZcDbObjectId record(ZcDbObjectId source, ZcDbObjectId table)
    {
        if (source.isNull()) return {};
        if (auto it = m_records.find(source); it != m_records.end()) return it->second;
        auto* from = zrxhost::peek<typename RecordOf<Table>::type>(source);
        if (from == nullptr) return {};
        ZcDbObjectId id;
        {
            ZcDbObjectPointer<Table> t(table, ZcDb::kForRead);
            if (t.openStatus() != Zcad::eOk) return {};
            t->getAt(zrxhost::recordName(from), id);
        }
        if (id.isNull()) id = addCopy<Table>(from, table);
        m_records[source] = id;
        return id;
    }

    template <class Table>
    ZcDbObjectId addCopy(const typename RecordOf<Table>::type* from, ZcDbObjectId table)
    {
        std::unique_ptr<typename RecordOf<Table>::type> copy(static_cast<typename RecordOf<Table>::type*>(from->clone()));
        if (!copy) return {};
        if constexpr (std::is_same_v<Table, ZcDbLayerTable>) copy->setLinetypeObjectId(linetype(from->linetypeObjectId()));
        if constexpr (std::is_same_v<Table, ZcDbDimStyleTable>) {
            copy->setDimtxsty(record<ZcDbTextStyleTable>(from->dimtxsty(), m_to->textStyleTableId()));
            // Arrowhead blocks are the source's; the copy draws the default arrows.
            copy->setDimblk(ZcDbObjectId::kNull);
            copy->setDimblk1(ZcDbObjectId::kNull);
            copy->setDimblk2(ZcDbObjectId::kNull);
            copy->setDimldrblk(ZcDbObjectId::kNull);
        }
        ZcDbObjectPointer<Table> t(table, ZcDb::kForWrite);
        ZcDbObjectId id;
        if (t.openStatus() != Zcad::eOk || t->add(id, copy.get()) != Zcad::eOk) return {};
        copy.release()->close();
        return id;
    }

    // A nested block: this drawing's block of that name, or a copy of the source's.
    ZcDbObjectId blockFor(ZcDbObjectId sourceBlock)
    {
        if (auto it = m_blocks.find(sourceBlock); it != m_blocks.end()) return it->second;
        auto* source = zrxhost::peek<ZcDbBlockTableRecord>(sourceBlock);
        if (source == nullptr) return {};
        std::string name = zrxhost::recordName(source);
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

    bool hasBlock(const std::string& name, ZcDbObjectId* id = nullptr)
    {
        ZcDbObjectPointer<ZcDbBlockTable> t(m_to->blockTableId(), ZcDb::kForRead);
        ZcDbObjectId found;
        if (t.openStatus() == Zcad::eOk) t->getAt(name.c_str(), found);
        if (id != nullptr) *id = found;
        return !found.isNull();
    }

    void registerApps(const ZcDbObject* object)
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

    ZcDbDatabase* m_from;
    ZcDbDatabase* m_to;
    std::map<ZcDbObjectId, ZcDbObjectId> m_records;
    std::map<ZcDbObjectId, ZcDbObjectId> m_blocks;
};

}  // namespace

Zcad::ErrorStatus ZcDbDatabase::insert(ZcDbObjectId& blockId, const char* blockName, ZcDbDatabase* source, bool)
{
    blockId = ZcDbObjectId::kNull;
    if (blockName == nullptr || *blockName == '\0' || source == nullptr || source == this) return Zcad::eInvalidInput;
    {
        ZcDbObjectPointer<ZcDbBlockTable> table(blockTableId(), ZcDb::kForRead);
        if (table.openStatus() != Zcad::eOk) return table.openStatus();
        if (table->has(blockName)) return Zcad::eDuplicateRecordName;
    }
    // The source is only read, on the host's behalf: its objects stay closed.
    zrxhost::HostAccess access;
    DrawingCopier copier(source, this);
    return copier.copyBlock(zrxhost::modelSpaceId(source), blockName, blockId);
}
