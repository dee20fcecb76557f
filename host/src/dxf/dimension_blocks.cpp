// Making the picture blocks of new dimensions from their exploded graphics.
#include "dxf/dimension_blocks.h"

#include <memory>
#include <string>
#include <vector>

#include "db/database_impl.h"
#include "db_block.h"
#include "db_dimension.h"
#include "db_polyline.h"
#include "db_tables.h"
#include "dxf/entity_codec.h"
#include "dxf/raw_objects.h"
#include "dxf/tag_writer.h"
#include "zrxhost/contract.h"

namespace zrx::dxf {

namespace {

void addPoint(KeptTags& tags, int code, const ZcGePoint3d& p)
{
    tags.push_back(KeptTag{code, formatReal(p.x)});
    tags.push_back(KeptTag{code + 10, formatReal(p.y)});
    tags.push_back(KeptTag{code + 20, formatReal(p.z)});
}

// Arrowheads are filled, as SOLIDs are; the host has no solid kind, so each is written
// from kept pairs. A triangle repeats its third corner.
ZcDbEntity* solidOf(const ZcDbPolyline& triangle)
{
    Extras data;
    data.sections.push_back(ExtraSection{"AcDbTrace", {}});
    KeptTags& tags = data.sections.back().tags;
    for (unsigned int i = 0; i < 4; ++i) {
        ZcGePoint2d p;
        triangle.getPointAt(i < 3 ? i : 2, p);
        addPoint(tags, 10 + static_cast<int>(i), ZcGePoint3d(p.x, p.y, triangle.elevation()));
    }
    const ZcGeVector3d n = triangle.normal();
    if (!isWorldZ(n)) {
        tags.push_back(KeptTag{210, formatReal(n.x)});
        tags.push_back(KeptTag{220, formatReal(n.y)});
        tags.push_back(KeptTag{230, formatReal(n.z)});
    }
    auto* solid = new ZcDbRawEntity(rawClass(ZcDbRawEntity::desc(), "AcDbTrace", "SOLID"), std::move(data));
    solid->setPropertiesFrom(&triangle);
    return solid;
}

std::string freeName(ZcDbBlockTable* table, int& next)
{
    std::string name;
    do {
        name = "*D" + std::to_string(next++);
    } while (table->has(name.c_str()));
    return name;
}

void makeBlock(ZcDbBlockTable* table, ZcDbDimension* dim, int& next)
{
    ZcDbVoidPtrArray pieces;
    if (dim->explode(pieces) != Zcad::eOk) return;
    std::vector<std::unique_ptr<ZcDbEntity>> owned;
    for (void* p : pieces) owned.emplace_back(static_cast<ZcDbEntity*>(p));

    auto* btr = new ZcDbBlockTableRecord;
    btr->setName(freeName(table, next).c_str());
    ZcDbObjectId blockId;
    if (table->add(blockId, btr) != Zcad::eOk) {
        delete btr;
        return;
    }
    for (std::unique_ptr<ZcDbEntity>& piece : owned) {
        std::unique_ptr<ZcDbEntity> entity;
        if (auto* triangle = ZcDbPolyline::cast(piece.get())) entity.reset(solidOf(*triangle));
        else entity = std::move(piece);
        ZcDbObjectId id;
        if (btr->appendZcDbEntity(id, entity.get()) == Zcad::eOk) entity.release()->close();
    }
    btr->close();
    dim->setDimBlockId(blockId);
}

}  // namespace

void giveDimensionsBlocks(ZcDbDatabase* db)
{
    auto* table = zrxhost::peek<ZcDbBlockTable>(db->blockTableId());
    std::vector<ZcDbDimension*> bare;
    for (const ZcDbObjectId& id : zrxhost::recordIds(table)) {
        if (id.isErased()) continue;
        for (const ZcDbObjectId& eid : zrxhost::entityIds(zrxhost::peek<ZcDbBlockTableRecord>(id))) {
            if (eid.isErased()) continue;
            auto* dim = ZcDbDimension::cast(zrxhost::stubOf(eid)->object);
            if (dim != nullptr && (dim->dimBlockId().isNull() || dim->dimBlockId().isErased())) bare.push_back(dim);
        }
    }
    int next = 1;
    for (ZcDbDimension* dim : bare) makeBlock(table, dim, next);
}

}  // namespace zrx::dxf
