// Dimensions: what they measure, which dimension variables they read, and the graphics
// worked out from them (extents, explode).
#include <memory>
#include <numbers>

#include "ent/dimension_graphics.h"
#include "geom_expect.h"
#include "owned_entities.h"
#include "support/host_fixture.h"

namespace {

constexpr double kPi = std::numbers::pi;

class Dimensions : public HostTest {
protected:
    // Changes the drawing's Standard dimension style.
    template <class F>
    void editStyle(F change)
    {
        ZcDbObjectPointer<ZcDbDimStyleTableRecord> style(db->dimstyle(), ZcDb::kForWrite);
        ASSERT_EQ(style.openStatus(), Zcad::eOk);
        change(zrxhost::dimVarsForWrite(style.object()));
    }
};

// Horizontal, 10 long, dimension line 5 above: with the Standard style the text "10.00"
// (7.5 wide, 2.5 high) sits with its box 0.625 above the line.
ZcDbRotatedDimension* horizontalTen()
{
    return new ZcDbRotatedDimension(0.0, {0, 0, 0}, {10, 0, 0}, {5, 5, 0});
}

TEST_F(Dimensions, KindsReportThePlatformsNames)
{
    EXPECT_STREQ(ZcDbDimension::desc()->name(), "AcDbDimension");
    EXPECT_STREQ(ZcDbAlignedDimension::desc()->name(), "AcDbAlignedDimension");
    EXPECT_STREQ(ZcDbRotatedDimension::desc()->name(), "AcDbRotatedDimension");
    EXPECT_STREQ(ZcDbAlignedDimension::desc()->dxfName(), "DIMENSION");
    EXPECT_STREQ(ZcDbRotatedDimension::desc()->dxfName(), "DIMENSION");
    EXPECT_TRUE(ZcDbRotatedDimension::desc()->isDerivedFrom(ZcDbDimension::desc()));
}

TEST_F(Dimensions, AlignedMeasuresTheDistanceRotatedItsProjection)
{
    double value = 0.0;
    ZcDbAlignedDimension aligned({0, 0, 0}, {3, 4, 0}, {0, 5, 0});
    ASSERT_EQ(aligned.measurement(value), Zcad::eOk);
    EXPECT_NEAR(value, 5.0, 1e-12);

    ZcDbRotatedDimension across(0.0, {0, 0, 0}, {3, 4, 0}, {0, 5, 0});
    ASSERT_EQ(across.measurement(value), Zcad::eOk);
    EXPECT_NEAR(value, 3.0, 1e-12);
    across.setRotation(kPi / 2);
    ASSERT_EQ(across.measurement(value), Zcad::eOk);
    EXPECT_NEAR(value, 4.0, 1e-12);
}

TEST_F(Dimensions, OverridesWinOverTheStyleAndTheStyleOverDefaults)
{
    ZcDbRotatedDimension loose(0.0, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
    EXPECT_DOUBLE_EQ(loose.dimasz(), zrxhost::DimVars().dimasz);  // no drawing, no style

    const ZcDbObjectId id = addToModelSpace(horizontalTen());
    editStyle([](zrxhost::DimVars& v) { v.dimasz = 4.0; v.dimscale = 3.0; });
    ZcDbObjectPointer<ZcDbRotatedDimension> dim(id, ZcDb::kForWrite);
    EXPECT_EQ(dim->dimensionStyle(), db->dimstyle());
    EXPECT_DOUBLE_EQ(dim->dimasz(), 4.0);
    EXPECT_DOUBLE_EQ(dim->dimscale(), 3.0);
    EXPECT_FALSE(zrxhost::hasDimaszOverride(dim.object()));

    ASSERT_EQ(dim->setDimasz(1.0), Zcad::eOk);
    EXPECT_TRUE(zrxhost::hasDimaszOverride(dim.object()));
    EXPECT_FALSE(zrxhost::hasDimscaleOverride(dim.object()));
    EXPECT_EQ(dim->setDimscale(-1.0), Zcad::eInvalidInput);
    dim.close();

    editStyle([](zrxhost::DimVars& v) { v.dimasz = 9.0; });
    dim.open(id, ZcDb::kForRead);
    EXPECT_DOUBLE_EQ(dim->dimasz(), 1.0);
    EXPECT_DOUBLE_EQ(dim->dimscale(), 3.0);
}

TEST_F(Dimensions, GraphicsFollowTheDimensionVariables)
{
    std::unique_ptr<ZcDbRotatedDimension> dim(horizontalTen());
    ZcDbExtents e;
    ASSERT_EQ(dim->getGeomExtents(e), Zcad::eOk);
    // Extension lines start DIMEXO above the origins; the text box tops out at
    // 5 + 0.625 + 1.2 * 2.5.
    EXPECT_TRUE(near(e.minPoint(), {0, 0.625, 0}));
    EXPECT_TRUE(near(e.maxPoint(), {10, 8.625, 0}));
    EXPECT_TRUE(near(dim->textPosition(), {5, 7.125, 0}));

    // Doubling DIMSCALE doubles arrows, gaps and text: the text, now 15 wide, overhangs.
    dim->setDimscale(2.0);
    ASSERT_EQ(dim->getGeomExtents(e), Zcad::eOk);
    EXPECT_TRUE(near(e.minPoint(), {-2.5, 1.25, 0}));
    EXPECT_TRUE(near(e.maxPoint(), {12.5, 5 + 1.25 + 6.0, 0}));
}

TEST_F(Dimensions, ArrowsGoOutsideWhenTwoDoNotFit)
{
    zrx::ent::LinearDimensionDefinition def;
    def.xLine2 = {10, 0, 0};
    def.dimLinePoint = {5, 5, 0};
    def.rotation = 0.0;
    auto g = zrx::ent::layoutLinearDimension(def);
    ASSERT_EQ(g.arrowheads.size(), 2u);
    EXPECT_TRUE(near(g.arrowheads[0][0], {0, 5, 0}));
    EXPECT_GT(g.arrowheads[0][1].x, 0.0);

    def.xLine2 = {4, 0, 0};  // less than two arrow lengths
    g = zrx::ent::layoutLinearDimension(def);
    EXPECT_LT(g.arrowheads[0][1].x, 0.0);
    EXPECT_GT(g.arrowheads[1][1].x, 4.0);
}

TEST_F(Dimensions, CentredTextBreaksTheDimensionLine)
{
    zrx::ent::LinearDimensionDefinition def;
    def.xLine2 = {10, 0, 0};
    def.dimLinePoint = {5, 5, 0};
    def.vars.dimtad = 0;
    const auto g = zrx::ent::layoutLinearDimension(def);
    ASSERT_EQ(g.dimensionLines.size(), 2u);
    // "10.00" is 7.5 wide; the line stops DIMGAP short of it on each side.
    EXPECT_TRUE(near(g.dimensionLines[0].end, {5 - 3.75 - 0.625, 5, 0}));
    EXPECT_TRUE(near(g.dimensionLines[1].start, {5 + 3.75 + 0.625, 5, 0}));
    EXPECT_TRUE(near(g.text.middle, {5, 5, 0}));
}

TEST_F(Dimensions, TextReadsUprightWhicheverWayTheDimensionRuns)
{
    ZcDbRotatedDimension backwards(0.0, {10, 0, 0}, {0, 0, 0}, {5, 5, 0});
    EXPECT_TRUE(near(backwards.textPosition(), {5, 7.125, 0}));

    ZcDbAlignedDimension downwards({0, 10, 0}, {0, 0, 0}, {-5, 5, 0});
    OwnedEntities out;
    ASSERT_EQ(downwards.explode(out.items), Zcad::eOk);
    const auto texts = out.all<ZcDbText>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NEAR(texts[0]->rotation(), kPi / 2, 1e-12);
    EXPECT_LT(texts[0]->alignmentPoint().x, -5.0);  // on the far side from the object
}

TEST_F(Dimensions, UserTextAndLengthFactorShapeTheShownText)
{
    EXPECT_EQ(zrx::ent::shownDimensionText("", "10.00"), "10.00");
    EXPECT_EQ(zrx::ent::shownDimensionText("<> mm", "10.00"), "10.00 mm");
    EXPECT_EQ(zrx::ent::shownDimensionText(" ", "10.00"), "");
    EXPECT_EQ(zrx::ent::formatDistance(-0.001, 2), "0.00");
    EXPECT_EQ(zrx::ent::formatDistance(2.5, 0), "3");
    EXPECT_EQ(zrx::ent::formatDistance(-1.25, 1), "-1.3");

    const ZcDbObjectId id = addToModelSpace(horizontalTen());
    editStyle([](zrxhost::DimVars& v) { v.dimlfac = 2.0; });
    {
        ZcDbObjectPointer<ZcDbDimStyleTableRecord> style(db->dimstyle(), ZcDb::kForWrite);
        ASSERT_EQ(style->setDimdec(1), Zcad::eOk);
        EXPECT_EQ(style->dimdec(), 1);
    }
    ZcDbObjectPointer<ZcDbRotatedDimension> dim(id, ZcDb::kForRead);
    double value = 0.0;
    dim->measurement(value);
    EXPECT_NEAR(value, 10.0, 1e-12);
    OwnedEntities out;
    ASSERT_EQ(dim->explode(out.items), Zcad::eOk);
    ASSERT_EQ(out.all<ZcDbText>().size(), 1u);
    EXPECT_STREQ(out.all<ZcDbText>()[0]->textStringConst(), "20.0");
}

TEST_F(Dimensions, ExplodeGivesLinesTrianglesAndTheText)
{
    std::unique_ptr<ZcDbRotatedDimension> dim(horizontalTen());
    dim->setColorIndex(5);
    OwnedEntities out;
    ASSERT_EQ(dim->explode(out.items), Zcad::eOk);
    EXPECT_EQ(out.all<ZcDbLine>().size(), 3u);
    const auto arrows = out.all<ZcDbPolyline>();
    ASSERT_EQ(arrows.size(), 2u);
    for (const ZcDbPolyline* a : arrows) {
        EXPECT_TRUE(a->isClosed());
        EXPECT_EQ(a->numVerts(), 3u);
        EXPECT_EQ(a->colorIndex(), 5);
    }
    const auto texts = out.all<ZcDbText>();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_STREQ(texts[0]->textStringConst(), "10.00");
    // The loose text measures exactly where the dimension drew it.
    ZcDbExtents box;
    ASSERT_EQ(texts[0]->getGeomExtents(box), Zcad::eOk);
    EXPECT_TRUE(near(box.minPoint(), {1.25, 5.625, 0}));
    EXPECT_TRUE(near(box.maxPoint(), {8.75, 8.625, 0}));
}

TEST_F(Dimensions, MovedTextStaysWhereItWasPut)
{
    std::unique_ptr<ZcDbRotatedDimension> dim(horizontalTen());
    ASSERT_EQ(dim->setTextPosition({20, 20, 0}), Zcad::eOk);
    EXPECT_FALSE(dim->isUsingDefaultTextPosition());
    ZcDbExtents e;
    ASSERT_EQ(dim->getGeomExtents(e), Zcad::eOk);
    EXPECT_NEAR(e.maxPoint().x, 20 + 3.75, 1e-9);

    dim->useDefaultTextPosition();
    EXPECT_TRUE(near(dim->textPosition(), {5, 7.125, 0}));
}

TEST_F(Dimensions, TransformTurnsTheMeasuringDirection)
{
    std::unique_ptr<ZcDbRotatedDimension> dim(horizontalTen());
    ASSERT_EQ(dim->transformBy(ZcGeMatrix3d::rotation(kPi / 2, ZcGeVector3d::kZAxis)), Zcad::eOk);
    EXPECT_NEAR(dim->rotation(), kPi / 2, 1e-12);
    EXPECT_TRUE(near(dim->xLine2Point(), {0, 10, 0}));
    double value = 0.0;
    dim->measurement(value);
    EXPECT_NEAR(value, 10.0, 1e-12);

    // Mirrored, it is still seen from the front.
    ASSERT_EQ(dim->transformBy(ZcGeMatrix3d::mirroring(ZcGePlane::kYZPlane)), Zcad::eOk);
    EXPECT_TRUE(near(dim->normal(), {0, 0, 1}));
    dim->measurement(value);
    EXPECT_NEAR(value, 10.0, 1e-12);
}

}  // namespace

namespace {

// A block like an open arrow: a stroke from (-1, 0) to the tip at the origin.
ZcDbObjectId strokeBlock(ZcDbDatabase* db, const char* name)
{
    ZcDbObjectPointer<ZcDbBlockTable> blocks(db->blockTableId(), ZcDb::kForWrite);
    auto* block = new ZcDbBlockTableRecord;
    block->setName(name);
    ZcDbObjectId id;
    EXPECT_EQ(blocks->add(id, block), Zcad::eOk);
    auto* stroke = new ZcDbLine({-1, 0, 0}, {0, 0, 0});
    stroke->setColorIndex(0);
    EXPECT_EQ(block->appendZcDbEntity(stroke), Zcad::eOk);
    stroke->close();
    block->close();
    return id;
}

TEST_F(Dimensions, SeparateArrowBlocksAreDrawnPointingOutAtTheirEnds)
{
    const ZcDbObjectId first = strokeBlock(db.get(), "FIRST");
    const ZcDbObjectId second = strokeBlock(db.get(), "SECOND");
    std::unique_ptr<ZcDbRotatedDimension> dim(horizontalTen());
    dim->setColorIndex(3);
    ASSERT_EQ(dim->setDimblk1(first), Zcad::eOk);
    ASSERT_EQ(dim->setDimblk2(second), Zcad::eOk);
    {
        // Without DIMSAH the blocks of the two ends are not used.
        OwnedEntities out;
        ASSERT_EQ(dim->explode(out.items), Zcad::eOk);
        EXPECT_EQ(out.all<ZcDbPolyline>().size(), 2u);
        EXPECT_TRUE(out.all<ZcDbBlockReference>().empty());
    }
    ASSERT_EQ(dim->setDimsah(true), Zcad::eOk);
    ASSERT_EQ(dim->setDimasz(2.0), Zcad::eOk);
    EXPECT_TRUE(dim->dimsah());
    EXPECT_EQ(dim->dimblk2(), second);
    OwnedEntities out;
    ASSERT_EQ(dim->explode(out.items), Zcad::eOk);
    EXPECT_TRUE(out.all<ZcDbPolyline>().empty());
    const auto refs = out.all<ZcDbBlockReference>();
    ASSERT_EQ(refs.size(), 2u);
    // Tips on the extension lines, the block's +X pointing away from the other end.
    EXPECT_EQ(refs[0]->blockTableRecord(), first);
    EXPECT_TRUE(near(refs[0]->position(), {0, 5, 0}));
    EXPECT_NEAR(refs[0]->rotation(), kPi, 1e-12);
    EXPECT_EQ(refs[1]->blockTableRecord(), second);
    EXPECT_TRUE(near(refs[1]->position(), {10, 5, 0}));
    EXPECT_NEAR(refs[1]->rotation(), 0.0, 1e-12);
    EXPECT_EQ(refs[1]->scaleFactors().sx, 2.0);
    EXPECT_EQ(refs[1]->colorIndex(), 3);
    // The strokes run inward from the tips, two arrow sizes of the line.
    ZcDbExtents box;
    ASSERT_EQ(dim->getGeomExtents(box), Zcad::eOk);
    EXPECT_NEAR(box.minPoint().x, 0.0, 1e-9);
    EXPECT_NEAR(box.maxPoint().x, 10.0, 1e-9);
}

TEST_F(Dimensions, OneArrowBlockServesBothEndsWithoutDimsah)
{
    const ZcDbObjectId both = strokeBlock(db.get(), "BOTH");
    editStyle([&](zrxhost::DimVars& v) { v.dimblk = both; });
    std::unique_ptr<ZcDbRotatedDimension> dim(horizontalTen());
    ZcDbObjectId styleId = db->dimstyle();
    dim->setDimensionStyle(styleId);
    OwnedEntities out;
    ASSERT_EQ(dim->explode(out.items), Zcad::eOk);
    const auto refs = out.all<ZcDbBlockReference>();
    ASSERT_EQ(refs.size(), 2u);
    EXPECT_EQ(refs[0]->blockTableRecord(), both);
    EXPECT_EQ(refs[1]->blockTableRecord(), both);
}

}  // namespace
