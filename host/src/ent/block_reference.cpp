// ZcDbBlockReference: a block placed by a transform, with the attributes it owns.
#include "db_block_reference.h"

#include <memory>
#include <vector>

#include "db/database_impl.h"
#include "db_text.h"
#include "ent/plane_angle.h"
#include "zrxhost/contract.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbBlockReference, ZcDbEntity, "AcDbBlockReference", "INSERT")
ZCRX_DEFINE_CLONE(ZcDbBlockReference)

// ---- the attribute iterator ----

ZcDbObjectIterator::ZcDbObjectIterator(const ZcDbObjectIdArray& ids) : m_ids(ids) { start(); }

bool ZcDbObjectIterator::done() const { return m_index < 0 || m_index >= m_ids.length(); }

void ZcDbObjectIterator::start(bool atEnd)
{
    m_index = atEnd ? m_ids.length() - 1 : 0;
    skipErased(atEnd);
}

void ZcDbObjectIterator::step(bool backwards, bool skipErasedObjects)
{
    m_index += backwards ? -1 : 1;
    if (skipErasedObjects) skipErased(backwards);
}

void ZcDbObjectIterator::skipErased(bool backwards)
{
    while (!done() && m_ids[m_index].isErased()) m_index += backwards ? -1 : 1;
}

ZcDbObjectId ZcDbObjectIterator::objectId() const { return done() ? ZcDbObjectId() : m_ids[m_index]; }

Zcad::ErrorStatus ZcDbObjectIterator::setPosition(ZcDbObjectId id)
{
    int i = 0;
    if (!m_ids.find(id, i)) return Zcad::eKeyNotFound;
    m_index = i;
    return Zcad::eOk;
}

// ---- placement ----

namespace {

// A block that holds a reference to itself would otherwise be measured forever.
constexpr int kMaxNesting = 32;
thread_local int t_nesting = 0;

struct NestingGuard {
    NestingGuard() { ++t_nesting; }
    ~NestingGuard() { --t_nesting; }
    NestingGuard(const NestingGuard&) = delete;
    NestingGuard& operator=(const NestingGuard&) = delete;
};

ZcGePoint3d blockOrigin(ZcDbObjectId block)
{
    zrxhost::HostAccess access;
    const auto* record = zrxhost::peek<ZcDbBlockTableRecord>(block);
    return record != nullptr ? record->origin() : ZcGePoint3d::kOrigin;
}

struct Placement {
    ZcGePoint3d position;
    ZcGeVector3d normal;
    double rotation = 0.0;
    ZcGeScale3d scale;
};

// The placement whose transform is m. The Y and Z factors keep the signs they had, so a
// mirror shows as a negative X factor, as the platform writes mirrored inserts.
Zcad::ErrorStatus decompose(const ZcGeMatrix3d& m, const ZcGePoint3d& origin, const ZcGeScale3d& signs, Placement& out)
{
    const ZcGeVector3d xAxis = m * ZcGeVector3d::kXAxis;
    const ZcGeVector3d yAxis = m * ZcGeVector3d::kYAxis;
    const ZcGeVector3d zAxis = m * ZcGeVector3d::kZAxis;
    const double lx = xAxis.length(), ly = yAxis.length(), lz = zAxis.length();
    if (!(lx > 0.0) || !(ly > 0.0) || !(lz > 0.0)) return Zcad::eInvalidInput;
    using zrx::ent::nearlyPerpendicular;
    if (!nearlyPerpendicular(xAxis, yAxis) || !nearlyPerpendicular(yAxis, zAxis) || !nearlyPerpendicular(zAxis, xAxis)) {
        return Zcad::eNotApplicable;
    }
    const double sz = signs.sz < 0.0 ? -lz : lz;
    const double sy = signs.sy < 0.0 ? -ly : ly;
    out.normal = zAxis / sz;
    const ZcGeVector3d dirY = yAxis / sy;
    const ZcGeVector3d dirX = dirY.crossProduct(out.normal);
    out.scale.set(xAxis.dotProduct(dirX), sy, sz);
    out.rotation = zrx::ent::angleInPlane(dirX, out.normal);
    out.position = m * origin;
    return Zcad::eOk;
}

bool isDrawn(const ZcDbEntity* e) { return e->visibility() == ZcDb::kVisible; }

// Attribute definitions show in a reference only when constant: the others are stood for by
// the reference's attributes.
bool isShownDefinition(const ZcDbAttributeDefinition* def) { return def->isConstant() && !def->isInvisible(); }

bool isShownAttribute(const ZcDbAttribute* a) { return !a->isErased() && !a->isInvisible() && isDrawn(a); }

Zcad::ErrorStatus placedExtents(const ZcDbEntity* e, const ZcGeMatrix3d& xform, ZcDbExtents& out)
{
    ZcDbEntity* copy = nullptr;
    if (e->getTransformedCopy(xform, copy) == Zcad::eOk) {
        std::unique_ptr<ZcDbEntity> owned(copy);
        return owned->getGeomExtents(out);
    }
    // A kind that cannot take the transform exactly (an arc under non-uniform scaling) is
    // bounded by its own box carried across.
    if (Zcad::ErrorStatus es = e->getGeomExtents(out); es != Zcad::eOk) return es;
    out.transformBy(xform);
    return Zcad::eOk;
}

}  // namespace

// ---- the reference ----

ZcDbBlockReference::ZcDbBlockReference(const ZcGePoint3d& position, ZcDbObjectId blockTableRecord)
    : m_block(blockTableRecord), m_position(position)
{
}

ZcDbBlockReference::ZcDbBlockReference(const ZcDbBlockReference& other)
    : ZcDbEntity(other),
      m_block(other.m_block),
      m_position(other.m_position),
      m_scale(other.m_scale),
      m_rotation(other.m_rotation),
      m_normal(other.m_normal)
{
}

Zcad::ErrorStatus ZcDbBlockReference::setBlockTableRecord(ZcDbObjectId blockId)
{
    assertWriteEnabled();
    if (blockId.isNull()) return Zcad::eNullObjectId;
    ZcRxClass* c = blockId.objectClass();
    if (c == nullptr || !c->isDerivedFrom(ZcDbBlockTableRecord::desc())) return Zcad::eWrongObjectType;
    if (database() != nullptr && blockId.database() != database()) return Zcad::eWrongDatabase;
    m_block = blockId;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockReference::setScaleFactors(const ZcGeScale3d& scale)
{
    assertWriteEnabled();
    if (scale.sx == 0.0 || scale.sy == 0.0 || scale.sz == 0.0) return Zcad::eInvalidInput;
    m_scale = scale;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockReference::setNormal(const ZcGeVector3d& n)
{
    assertWriteEnabled();
    if (n.isZeroLength()) return Zcad::eInvalidInput;
    m_normal = n.normal();
    return Zcad::eOk;
}

ZcGeMatrix3d ZcDbBlockReference::blockTransform() const
{
    assertReadEnabled();
    ZcGeMatrix3d scaling;
    scaling(0, 0) = m_scale.sx;
    scaling(1, 1) = m_scale.sy;
    scaling(2, 2) = m_scale.sz;
    return ZcGeMatrix3d::translation(m_position.asVector()) * ZcGeMatrix3d::planeToWorld(m_normal) *
           ZcGeMatrix3d::rotation(m_rotation, ZcGeVector3d::kZAxis) * scaling *
           ZcGeMatrix3d::translation(-blockOrigin(m_block).asVector());
}

Zcad::ErrorStatus ZcDbBlockReference::setBlockTransform(const ZcGeMatrix3d& xform)
{
    assertWriteEnabled();
    Placement p;
    if (Zcad::ErrorStatus es = decompose(xform, blockOrigin(m_block), m_scale, p); es != Zcad::eOk) return es;
    m_position = p.position;
    m_normal = p.normal;
    m_rotation = p.rotation;
    m_scale = p.scale;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockReference::appendAttribute(ZcDbObjectId& attributeId, ZcDbAttribute* attribute)
{
    attributeId.setNull();
    assertWriteEnabled();
    if (attribute == nullptr) return Zcad::eNullObjectPointer;
    if (attribute->isDatabaseResident()) return Zcad::eAlreadyInDb;
    ZcDbDatabase* db = database();
    if (db == nullptr) return Zcad::eNoDatabase;
    // As for any entity appended to a block: what the caller left unset comes from the drawing.
    if (attribute->layerId().isNull() || attribute->layerId().database() != db) attribute->setLayer(db->clayer());
    if (attribute->linetypeId().isNull() || attribute->linetypeId().database() != db) attribute->setLinetype(db->celtype());
    attributeId = zrxhost::adopt(db, attribute, objectId());
    m_attributes.append(attributeId);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockReference::appendAttribute(ZcDbAttribute* attribute)
{
    ZcDbObjectId ignored;
    return appendAttribute(ignored, attribute);
}

ZcDbObjectIterator* ZcDbBlockReference::attributeIterator() const
{
    assertReadEnabled();
    return new ZcDbObjectIterator(m_attributes);
}

Zcad::ErrorStatus ZcDbBlockReference::subErase(bool erasing)
{
    if (Zcad::ErrorStatus es = ZcDbEntity::subErase(erasing); es != Zcad::eOk) return es;
    zrxhost::HostAccess access;
    for (const ZcDbObjectId& id : m_attributes) {
        ZcDbObject* attribute = zrxhost::peek<ZcDbObject>(id);
        if (attribute != nullptr && attribute->isErased() != erasing) attribute->erase(erasing);
    }
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockReference::getGeomExtents(ZcDbExtents& extents) const
{
    assertReadEnabled();
    extents = ZcDbExtents();
    if (t_nesting >= kMaxNesting) return Zcad::eInvalidExtents;
    NestingGuard nesting;
    const ZcGeMatrix3d xform = blockTransform();
    zrxhost::HostAccess access;
    if (const auto* record = zrxhost::peek<ZcDbBlockTableRecord>(m_block)) {
        for (const ZcDbObjectId& id : zrxhost::entityIds(record)) {
            const ZcDbEntity* e = id.isErased() ? nullptr : zrxhost::peek<ZcDbEntity>(id);
            if (e == nullptr || !isDrawn(e)) continue;
            if (const auto* def = ZcDbAttributeDefinition::cast(e); def != nullptr && !isShownDefinition(def)) continue;
            ZcDbExtents part;
            if (placedExtents(e, xform, part) == Zcad::eOk) extents.addExt(part);
        }
    }
    for (const ZcDbObjectId& id : m_attributes) {
        const auto* attribute = zrxhost::peek<ZcDbAttribute>(id);
        ZcDbExtents part;
        if (attribute != nullptr && isShownAttribute(attribute) && attribute->getGeomExtents(part) == Zcad::eOk) {
            extents.addExt(part);
        }
    }
    return zrxhost::isEmpty(extents) ? Zcad::eInvalidExtents : Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockReference::transformBy(const ZcGeMatrix3d& xform)
{
    assertWriteEnabled();
    Placement p;
    if (Zcad::ErrorStatus es = decompose(xform * blockTransform(), blockOrigin(m_block), m_scale, p); es != Zcad::eOk) {
        return es;
    }
    zrxhost::HostAccess access;
    // Every attribute is tried on a copy first, so nothing moves unless everything can.
    std::vector<ZcDbAttribute*> attributes;
    for (const ZcDbObjectId& id : m_attributes) {
        auto* attribute = zrxhost::peek<ZcDbAttribute>(id);
        if (attribute == nullptr) continue;
        ZcDbEntity* probe = nullptr;
        if (Zcad::ErrorStatus es = attribute->getTransformedCopy(xform, probe); es != Zcad::eOk) return es;
        delete probe;
        attributes.push_back(attribute);
    }
    for (ZcDbAttribute* attribute : attributes) attribute->transformBy(xform);
    m_position = p.position;
    m_normal = p.normal;
    m_rotation = p.rotation;
    m_scale = p.scale;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbBlockReference::explode(ZcDbVoidPtrArray& entitySet) const
{
    assertReadEnabled();
    const ZcGeMatrix3d xform = blockTransform();
    zrxhost::HostAccess access;
    const auto* record = zrxhost::peek<ZcDbBlockTableRecord>(m_block);
    if (record == nullptr) return Zcad::eInvalidInput;
    std::vector<std::unique_ptr<ZcDbEntity>> made;
    for (const ZcDbObjectId& id : zrxhost::entityIds(record)) {
        const ZcDbEntity* e = id.isErased() ? nullptr : zrxhost::peek<ZcDbEntity>(id);
        if (e == nullptr || !isDrawn(e)) continue;
        if (const auto* def = ZcDbAttributeDefinition::cast(e)) {
            if (!isShownDefinition(def)) continue;
            auto text = std::make_unique<ZcDbText>(*def);
            if (Zcad::ErrorStatus es = text->transformBy(xform); es != Zcad::eOk) return es;
            made.push_back(std::move(text));
            continue;
        }
        ZcDbEntity* copy = nullptr;
        if (Zcad::ErrorStatus es = e->getTransformedCopy(xform, copy); es != Zcad::eOk) return es;
        made.emplace_back(copy);
    }
    for (const ZcDbObjectId& id : m_attributes) {
        const auto* attribute = zrxhost::peek<ZcDbAttribute>(id);
        if (attribute != nullptr && isShownAttribute(attribute)) made.push_back(std::make_unique<ZcDbText>(*attribute));
    }
    for (std::unique_ptr<ZcDbEntity>& e : made) entitySet.append(e.release());
    return Zcad::eOk;
}
