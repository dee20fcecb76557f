// Block references: what they show (extents and explode) under rotation and scale, how
// transforms compose, and the attributes they own.
#include <memory>
#include <numbers>

#include "geom_expect.h"
#include "owned_entities.h"
#include "support/host_fixture.h"

namespace {

constexpr double kPi = std::numbers::pi;

class BlockReferences : public HostTest {
protected:
    // Block "B": a 4-long line along X, a 2-long line along Y, an attribute definition far
    // off (drawn only by the attributes made from it), a visible constant one, and a line
    // that was erased.
    void SetUp() override
    {
        HostTest::SetUp();
        block = addBlock("B");
        addToBlock(block, new ZcDbLine({0, 0, 0}, {4, 0, 0}));
        addToBlock(block, new ZcDbLine({0, 0, 0}, {0, 2, 0}));
        addToBlock(block, new ZcDbAttributeDefinition({100, 100, 0}, "", "TAG", "Tag?"));
        auto* constant = new ZcDbAttributeDefinition({1, 1, 0}, "K", "CONST", "");
        constant->setConstant(true);
        constant->setHeight(0.5);
        addToBlock(block, constant);
        const ZcDbObjectId gone = addToBlock(block, new ZcDbLine({-50, -50, 0}, {-40, -50, 0}));
        ZcDbObjectPointer<ZcDbLine> line(gone, ZcDb::kForWrite);
        line->erase();
    }

    ZcDbObjectId addBlock(const char* name, const ZcGePoint3d& origin = ZcGePoint3d::kOrigin)
    {
        ZcDbBlockTable* table = nullptr;
        EXPECT_EQ(db->getBlockTable(table, ZcDb::kForWrite), Zcad::eOk);
        auto* record = new ZcDbBlockTableRecord;
        record->setName(name);
        record->setOrigin(origin);
        ZcDbObjectId id;
        EXPECT_EQ(table->add(id, record), Zcad::eOk);
        record->close();
        table->close();
        return id;
    }

    ZcDbObjectId addToBlock(ZcDbObjectId blockId, ZcDbEntity* e)
    {
        ZcDbObjectPointer<ZcDbBlockTableRecord> record(blockId, ZcDb::kForWrite);
        ZcDbObjectId id;
        EXPECT_EQ(record->appendZcDbEntity(id, e), Zcad::eOk);
        e->close();
        return id;
    }

    // A reference at (10,10) turned a quarter and doubled, with one attribute.
    ZcDbObjectId placeTurnedAndDoubled()
    {
        auto* ref = new ZcDbBlockReference({10, 10, 0}, block);
        ref->setRotation(kPi / 2);
        ref->setScaleFactors(ZcGeScale3d(2.0));
        const ZcDbObjectId id = addToModelSpace(ref);
        ZcDbObjectPointer<ZcDbBlockReference> open(id, ZcDb::kForWrite);
        auto* attribute = new ZcDbAttribute({10, 20, 0}, "42", "TAG");
        attribute->setHeight(1.0);
        EXPECT_EQ(open->appendAttribute(attributeId, attribute), Zcad::eOk);
        attribute->close();
        return id;
    }

    ZcDbObjectId block;
    ZcDbObjectId attributeId;
};

TEST_F(BlockReferences, KindReportsThePlatformsNames)
{
    EXPECT_STREQ(ZcDbBlockReference::desc()->name(), "AcDbBlockReference");
    EXPECT_STREQ(ZcDbBlockReference::desc()->dxfName(), "INSERT");
}

TEST_F(BlockReferences, ExtentsAreTheBlocksPlacedPlusAttributes)
{
    ZcDbObjectPointer<ZcDbBlockReference> ref(placeTurnedAndDoubled(), ZcDb::kForRead);
    ZcDbExtents e;
    ASSERT_EQ(ref->getGeomExtents(e), Zcad::eOk);
    // Lines: X one to (10,10)-(10,18), Y one to (6,10)-(10,10). The attribute "42" (height
    // 1, two characters) reaches x 11.2 and y 21; the far definition and the erased line do
    // not count.
    EXPECT_NEAR(e.minPoint().x, 6.0, 1e-9);
    EXPECT_NEAR(e.minPoint().y, 10.0, 1e-9);
    EXPECT_NEAR(e.maxPoint().x, 11.2, 1e-9);
    EXPECT_NEAR(e.maxPoint().y, 21.0, 1e-9);
}

TEST_F(BlockReferences, BasePointOfTheBlockLandsOnThePosition)
{
    const ZcDbObjectId shifted = addBlock("S", {1, 1, 0});
    addToBlock(shifted, new ZcDbLine({1, 1, 0}, {3, 1, 0}));
    ZcDbBlockReference ref({5, 5, 0}, shifted);
    ZcDbExtents e;
    ASSERT_EQ(ref.getGeomExtents(e), Zcad::eOk);
    EXPECT_TRUE(near(e.minPoint(), {5, 5, 0}));
    EXPECT_TRUE(near(e.maxPoint(), {7, 5, 0}));
}

TEST_F(BlockReferences, ExplodeGivesPlacedCopiesAndAttributesAsText)
{
    ZcDbObjectPointer<ZcDbBlockReference> ref(placeTurnedAndDoubled(), ZcDb::kForRead);
    OwnedEntities out;
    ASSERT_EQ(ref->explode(out.items), Zcad::eOk);

    const auto lines = out.all<ZcDbLine>();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(near(lines[0]->startPoint(), {10, 10, 0}));
    EXPECT_TRUE(near(lines[0]->endPoint(), {10, 18, 0}));
    EXPECT_TRUE(near(lines[1]->endPoint(), {6, 10, 0}));

    // The constant definition and the attribute come out as plain text, nothing else does.
    const auto texts = out.all<ZcDbText>();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(out.items.length(), 4);
    EXPECT_STREQ(texts[0]->textStringConst(), "K");
    EXPECT_TRUE(near(texts[0]->position(), {8, 12, 0}));
    EXPECT_NEAR(texts[0]->height(), 1.0, 1e-12);
    EXPECT_STREQ(texts[1]->textStringConst(), "42");
    for (void* p : out.items) EXPECT_FALSE(static_cast<ZcDbEntity*>(p)->isDatabaseResident());
}

TEST_F(BlockReferences, NestedReferencesExplodeOneLevel)
{
    const ZcDbObjectId outer = addBlock("OUTER");
    auto* inner = new ZcDbBlockReference({5, 0, 0}, block);
    addToBlock(outer, inner);
    ZcDbBlockReference ref({0, 0, 0}, outer);
    ref.setRotation(kPi / 2);

    OwnedEntities out;
    ASSERT_EQ(ref.explode(out.items), Zcad::eOk);
    const auto refs = out.all<ZcDbBlockReference>();
    ASSERT_EQ(refs.size(), 1u);
    EXPECT_EQ(refs[0]->blockTableRecord(), block);
    EXPECT_TRUE(near(refs[0]->position(), {0, 5, 0}));
    EXPECT_NEAR(refs[0]->rotation(), kPi / 2, 1e-12);
}

TEST_F(BlockReferences, BlockHoldingItselfStillHasExtents)
{
    addToBlock(block, new ZcDbBlockReference({10, 0, 0}, block));
    ZcDbBlockReference ref({0, 0, 0}, block);
    ZcDbExtents e;
    ASSERT_EQ(ref.getGeomExtents(e), Zcad::eOk);
    EXPECT_NEAR(e.minPoint().x, 0.0, 1e-9);
}

TEST_F(BlockReferences, TransformComposesWithThePlacement)
{
    ZcDbBlockReference ref({1, 0, 0}, block);
    ref.setScaleFactors(ZcGeScale3d(2.0));
    ASSERT_EQ(ref.transformBy(ZcGeMatrix3d::rotation(kPi / 2, ZcGeVector3d::kZAxis) * ZcGeMatrix3d::scaling(3.0)),
              Zcad::eOk);
    EXPECT_TRUE(near(ref.position(), {0, 3, 0}));
    EXPECT_NEAR(ref.rotation(), kPi / 2, 1e-12);
    EXPECT_NEAR(ref.scaleFactors().sx, 6.0, 1e-12);
    EXPECT_NEAR(ref.scaleFactors().sz, 6.0, 1e-12);
}

TEST_F(BlockReferences, MirrorShowsAsANegativeXFactor)
{
    ZcDbBlockReference acrossY({5, 0, 0}, block);
    ASSERT_EQ(acrossY.transformBy(ZcGeMatrix3d::mirroring(ZcGePlane::kYZPlane)), Zcad::eOk);
    EXPECT_TRUE(near(acrossY.position(), {-5, 0, 0}));
    EXPECT_NEAR(acrossY.scaleFactors().sx, -1.0, 1e-12);
    EXPECT_NEAR(acrossY.scaleFactors().sy, 1.0, 1e-12);
    EXPECT_NEAR(acrossY.rotation(), 0.0, 1e-12);

    ZcDbBlockReference acrossX({0, 5, 0}, block);
    ASSERT_EQ(acrossX.transformBy(ZcGeMatrix3d::mirroring(ZcGePlane::kZXPlane)), Zcad::eOk);
    EXPECT_NEAR(acrossX.scaleFactors().sx, -1.0, 1e-12);
    EXPECT_NEAR(acrossX.rotation(), kPi, 1e-12);
    // The block's Y line ends where the mirror sends it.
    OwnedEntities out;
    ASSERT_EQ(acrossX.explode(out.items), Zcad::eOk);
    EXPECT_TRUE(near(out.all<ZcDbLine>()[1]->endPoint(), {0, -7, 0}));
}

TEST_F(BlockReferences, ShearingTransformIsRefused)
{
    ZcGeMatrix3d stretch;
    stretch(0, 0) = 2.0;
    ZcDbBlockReference square({0, 0, 0}, block);
    ASSERT_EQ(square.transformBy(stretch), Zcad::eOk);  // along the block's own axes
    EXPECT_NEAR(square.scaleFactors().sx, 2.0, 1e-12);
    EXPECT_NEAR(square.scaleFactors().sy, 1.0, 1e-12);

    ZcDbBlockReference turned({0, 0, 0}, block);
    turned.setRotation(kPi / 4);
    EXPECT_EQ(turned.transformBy(stretch), Zcad::eNotApplicable);
    EXPECT_NEAR(turned.rotation(), kPi / 4, 1e-12);
    EXPECT_NEAR(turned.scaleFactors().sx, 1.0, 1e-12);
}

TEST_F(BlockReferences, AttributesMoveWithTheReference)
{
    const ZcDbObjectId id = placeTurnedAndDoubled();
    {
        ZcDbObjectPointer<ZcDbBlockReference> ref(id, ZcDb::kForWrite);
        ASSERT_EQ(ref->transformBy(ZcGeMatrix3d::translation({0, -10, 0})), Zcad::eOk);
    }
    ZcDbObjectPointer<ZcDbAttribute> attribute(attributeId, ZcDb::kForRead);
    ASSERT_EQ(attribute.openStatus(), Zcad::eOk);
    EXPECT_TRUE(near(attribute->position(), {10, 10, 0}));
    EXPECT_EQ(attribute->ownerId(), id);
}

TEST_F(BlockReferences, ErasingTheReferenceErasesItsAttributes)
{
    const ZcDbObjectId id = placeTurnedAndDoubled();
    {
        ZcDbObjectPointer<ZcDbBlockReference> ref(id, ZcDb::kForWrite);
        ASSERT_EQ(ref->erase(), Zcad::eOk);
    }
    EXPECT_TRUE(attributeId.isErased());
    {
        ZcDbObjectPointer<ZcDbBlockReference> ref(id, ZcDb::kForWrite, true);
        ASSERT_EQ(ref->erase(false), Zcad::eOk);
    }
    EXPECT_FALSE(attributeId.isErased());
}

TEST_F(BlockReferences, IteratorWalksLiveAttributesInOrder)
{
    const ZcDbObjectId id = placeTurnedAndDoubled();
    ZcDbObjectPointer<ZcDbBlockReference> ref(id, ZcDb::kForWrite);
    ZcDbObjectId second, third;
    auto* a2 = new ZcDbAttribute({0, 0, 0}, "2", "B");
    auto* a3 = new ZcDbAttribute({0, 0, 0}, "3", "C");
    ASSERT_EQ(ref->appendAttribute(second, a2), Zcad::eOk);
    ASSERT_EQ(ref->appendAttribute(third, a3), Zcad::eOk);
    a2->erase();
    a2->close();
    a3->close();

    std::unique_ptr<ZcDbObjectIterator> it(ref->attributeIterator());
    std::vector<ZcDbObjectId> seen;
    for (it->start(); !it->done(); it->step()) seen.push_back(it->objectId());
    EXPECT_EQ(seen, (std::vector<ZcDbObjectId>{attributeId, third}));
    it->start(true);
    EXPECT_EQ(it->objectId(), third);
}

TEST_F(BlockReferences, AttributesNeedAResidentReference)
{
    ZcDbBlockReference loose({0, 0, 0}, block);
    ZcDbAttribute attribute({0, 0, 0}, "1", "A");
    ZcDbObjectId id;
    EXPECT_EQ(loose.appendAttribute(id, &attribute), Zcad::eNoDatabase);
    EXPECT_TRUE(id.isNull());

    // A copy places the same block but owns none of the original's attributes.
    ZcDbObjectPointer<ZcDbBlockReference> ref(placeTurnedAndDoubled(), ZcDb::kForRead);
    std::unique_ptr<ZcDbBlockReference> copy(ZcDbBlockReference::cast(ref->clone()));
    std::unique_ptr<ZcDbObjectIterator> it(copy->attributeIterator());
    EXPECT_TRUE(it->done());
    EXPECT_EQ(copy->blockTableRecord(), block);
}

}  // namespace
