// Block references (inserts) and the attributes they own.
#pragma once

#include "db_entity.h"
#include "ge_scale3d.h"

class ZcDbAttribute;
namespace zrxhost {
struct Access;
}  // namespace zrxhost
class ZcDbBlockReference;

// Walks the objects a complex entity owns (a block reference's attributes), in the order
// they were appended. The caller deletes it.
class ZRX_API ZcDbObjectIterator {
public:
    bool done() const;
    // To the first object (the last with atEnd), past erased ones.
    void start(bool atEnd = false);
    void step(bool backwards = false, bool skipErased = true);
    ZcDbObjectId objectId() const;
    // eKeyNotFound when the object is not one of those walked.
    Zcad::ErrorStatus setPosition(ZcDbObjectId id);

private:
    friend class ZcDbBlockReference;
    explicit ZcDbObjectIterator(const ZcDbObjectIdArray& ids);
    void skipErased(bool backwards);

    ZcDbObjectIdArray m_ids;
    int m_index = 0;
};

// The reference places its block by blockTransform(): the block's base point goes to
// position(), scaled by scaleFactors(), turned by rotation() about normal().
class ZRX_API ZcDbBlockReference : public ZcDbEntity {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbBlockReference);
    ZcDbBlockReference() = default;
    ZcDbBlockReference(const ZcGePoint3d& position, ZcDbObjectId blockTableRecord);
    // A copy places the same block; the attributes stay with the original.
    ZcDbBlockReference(const ZcDbBlockReference& other);
    ZcDbBlockReference& operator=(const ZcDbBlockReference&) = delete;
    ZcRxObject* clone() const override;

    ZcDbObjectId blockTableRecord() const { assertReadEnabled(); return m_block; }
    Zcad::ErrorStatus setBlockTableRecord(ZcDbObjectId blockId);
    ZcGePoint3d position() const { assertReadEnabled(); return m_position; }
    Zcad::ErrorStatus setPosition(const ZcGePoint3d& p) { assertWriteEnabled(); m_position = p; return Zcad::eOk; }
    ZcGeScale3d scaleFactors() const { assertReadEnabled(); return m_scale; }
    // A zero factor is refused.
    Zcad::ErrorStatus setScaleFactors(const ZcGeScale3d& scale);
    double rotation() const { assertReadEnabled(); return m_rotation; }
    Zcad::ErrorStatus setRotation(double angle) { assertWriteEnabled(); m_rotation = angle; return Zcad::eOk; }
    ZcGeVector3d normal() const { assertReadEnabled(); return m_normal; }
    Zcad::ErrorStatus setNormal(const ZcGeVector3d& n);

    ZcGeMatrix3d blockTransform() const;
    // Position, normal, rotation and scale that give the matrix; eNotApplicable when it
    // shears the block's axes, eInvalidInput when it is singular.
    Zcad::ErrorStatus setBlockTransform(const ZcGeMatrix3d& xform);

    // The attribute joins the reference's database, owned by the reference, and stays open
    // for write for the caller to close. The reference must be in a database and open for
    // write.
    Zcad::ErrorStatus appendAttribute(ZcDbObjectId& attributeId, ZcDbAttribute* attribute);
    Zcad::ErrorStatus appendAttribute(ZcDbAttribute* attribute);
    ZcDbObjectIterator* attributeIterator() const;

    // What the reference shows: the block's entities placed by blockTransform() and the
    // visible attributes. Erased and invisible entities are left out, and so are attribute
    // definitions other than visible constant ones: only those are drawn in a reference.
    Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
    // Composes the transform with the reference's own and moves the attributes along.
    // A transform that would shear the block's axes (non-uniform scaling across a rotated
    // reference) gives eNotApplicable and changes nothing.
    Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& xform) override;
    // Copies of what the reference shows, each placed by blockTransform(), the caller owning
    // them: the block's entities (erased and invisible ones skipped; nested references come
    // out as references, one level, without attributes of their own), every visible
    // attribute as a ZcDbText with its value, and visible constant attribute definitions as
    // ZcDbText. Other attribute definitions are left out: the attributes stand for them.
    Zcad::ErrorStatus explode(ZcDbVoidPtrArray& entitySet) const override;


protected:
    // Erasing the reference erases its attributes; un-erasing brings them all back.
    Zcad::ErrorStatus subErase(bool erasing) override;

private:
    friend struct zrxhost::Access;
    ZcDbObjectId m_block;
    ZcGePoint3d m_position;
    ZcGeScale3d m_scale;
    double m_rotation = 0.0;
    ZcGeVector3d m_normal{0, 0, 1};
    ZcDbObjectIdArray m_attributes;
};
