// Text, attribute and point entities: where text ends up and how big it is, what a
// transform does to it, and what an attribute takes from its definition.
#include <cmath>
#include <cstring>
#include <numbers>

#include "geom_expect.h"
#include "support/host_fixture.h"

namespace {

using TextEntities = HostTest;

constexpr double kPi = std::numbers::pi;

// "ABCD" at height 2.5: four half-width characters, 0.6 of the height each.
constexpr double kWidth = 4 * 0.6 * 2.5;

void expectBox(const ZcDbExtents& e, double x0, double y0, double x1, double y1)
{
    EXPECT_NEAR(e.minPoint().x, x0, 1e-9);
    EXPECT_NEAR(e.minPoint().y, y0, 1e-9);
    EXPECT_NEAR(e.maxPoint().x, x1, 1e-9);
    EXPECT_NEAR(e.maxPoint().y, y1, 1e-9);
}

TEST_F(TextEntities, KindsReportThePlatformsNames)
{
    struct Row { ZcRxClass* cls; const char* name; const char* dxf; };
    for (const Row& r : {Row{ZcDbText::desc(), "AcDbText", "TEXT"},
                         Row{ZcDbAttributeDefinition::desc(), "AcDbAttributeDefinition", "ATTDEF"},
                         Row{ZcDbAttribute::desc(), "AcDbAttribute", "ATTRIB"},
                         Row{ZcDbPoint::desc(), "AcDbPoint", "POINT"}}) {
        EXPECT_STREQ(r.cls->name(), r.name);
        EXPECT_STREQ(r.cls->dxfName(), r.dxf);
    }
    ZcDbAttribute attribute;
    EXPECT_TRUE(attribute.isKindOf(ZcDbText::desc()));
}

TEST_F(TextEntities, ExtentsFollowTheMetricModelAndTheRotation)
{
    ZcDbText text({10, 5, 0}, "ABCD", ZcDbObjectId::kNull, 2.5);
    ZcDbExtents e;
    ASSERT_EQ(text.getGeomExtents(e), Zcad::eOk);
    expectBox(e, 10, 5 - 0.5, 10 + kWidth, 5 + 2.5);  // descent 0.2 of the height

    text.setRotation(kPi / 2);
    ASSERT_EQ(text.getGeomExtents(e), Zcad::eOk);
    expectBox(e, 10 - 2.5, 5, 10 + 0.5, 5 + kWidth);

    // At 30° the box holds the four corners of the turned rectangle.
    text.setRotation(kPi / 6);
    ASSERT_EQ(text.getGeomExtents(e), Zcad::eOk);
    const double c = std::cos(kPi / 6), s = std::sin(kPi / 6);
    const auto turned = [&](double u, double v) { return ZcGePoint3d(10 + u * c - v * s, 5 + u * s + v * c, 0); };
    expectBox(e, turned(0, 2.5).x, turned(0, -0.5).y, turned(kWidth, -0.5).x, turned(kWidth, 2.5).y);
}

TEST_F(TextEntities, JustifiedTextIsPlacedByItsAlignmentPoint)
{
    ZcDbText text({50, 50, 0}, "ABCD", ZcDbObjectId::kNull, 2.5);
    text.setHorizontalMode(ZcDb::kTextCenter);
    text.setAlignmentPoint({0, 0, 0});
    ZcDbExtents e;
    ASSERT_EQ(text.getGeomExtents(e), Zcad::eOk);
    expectBox(e, -kWidth / 2, -0.5, kWidth / 2, 2.5);
    // The stale position is only brought in line on request.
    EXPECT_TRUE(near(text.position(), {50, 50, 0}));
    ASSERT_EQ(text.adjustAlignment(), Zcad::eOk);
    EXPECT_TRUE(near(text.position(), {-kWidth / 2, 0, 0}));
}

TEST_F(TextEntities, BackwardTextRunsTheOtherWayFromItsStart)
{
    ZcDbText text({0, 0, 0}, "ABCD", ZcDbObjectId::kNull, 2.5);
    text.mirrorInX(true);
    ZcDbExtents e;
    ASSERT_EQ(text.getGeomExtents(e), Zcad::eOk);
    expectBox(e, -kWidth, -0.5, 0, 2.5);
}

TEST_F(TextEntities, TextThatShowsNothingHasNoExtents)
{
    ZcDbText empty({0, 0, 0}, "", ZcDbObjectId::kNull, 2.5);
    ZcDbExtents e;
    EXPECT_EQ(empty.getGeomExtents(e), Zcad::eInvalidExtents);
    ZcDbText toggles({0, 0, 0}, "%%u%%o", ZcDbObjectId::kNull, 2.5);
    EXPECT_EQ(toggles.getGeomExtents(e), Zcad::eInvalidExtents);
}

TEST_F(TextEntities, TransformMovesScalesAndTurnsText)
{
    ZcDbText text({10, 0, 0}, "ABCD", ZcDbObjectId::kNull, 2.5);
    const ZcGeMatrix3d m = ZcGeMatrix3d::rotation(kPi / 2, ZcGeVector3d::kZAxis) * ZcGeMatrix3d::scaling(2.0);
    ASSERT_EQ(text.transformBy(m), Zcad::eOk);
    EXPECT_TRUE(near(text.position(), {0, 20, 0}));
    EXPECT_NEAR(text.height(), 5.0, 1e-12);
    EXPECT_NEAR(text.rotation(), kPi / 2, 1e-12);
    EXPECT_NEAR(text.widthFactor(), 1.0, 1e-12);

    // Stretching along the baseline widens the characters instead of shearing them.
    ZcDbText flat({0, 0, 0}, "ABCD", ZcDbObjectId::kNull, 2.5);
    ZcGeMatrix3d stretch;
    stretch(0, 0) = 3.0;
    ASSERT_EQ(flat.transformBy(stretch), Zcad::eOk);
    EXPECT_NEAR(flat.widthFactor(), 3.0, 1e-12);
    EXPECT_NEAR(flat.height(), 2.5, 1e-12);
}

TEST_F(TextEntities, ShearingTransformIsRefusedAndChangesNothing)
{
    ZcDbText text({1, 2, 0}, "ABCD", ZcDbObjectId::kNull, 2.5, kPi / 4);
    ZcGeMatrix3d stretch;
    stretch(0, 0) = 3.0;
    EXPECT_EQ(text.transformBy(stretch), Zcad::eNotApplicable);
    EXPECT_TRUE(near(text.position(), {1, 2, 0}));
    EXPECT_NEAR(text.height(), 2.5, 1e-12);
}

TEST_F(TextEntities, MirroredTextStaysReadable)
{
    // Across the Y axis: the start point is mirrored, the text still reads left to right.
    ZcDbText text({10, 0, 0}, "ABCD", ZcDbObjectId::kNull, 2.5);
    ASSERT_EQ(text.transformBy(ZcGeMatrix3d::mirroring(ZcGePlane::kYZPlane)), Zcad::eOk);
    EXPECT_TRUE(near(text.position(), {-10, 0, 0}));
    EXPECT_NEAR(text.rotation(), 0.0, 1e-12);
    EXPECT_TRUE(near(text.normal(), {0, 0, 1}));
    EXPECT_FALSE(text.isMirroredInX());

    // Across the X axis: upright, not upside down.
    ZcDbText above({0, 10, 0}, "ABCD", ZcDbObjectId::kNull, 2.5);
    ASSERT_EQ(above.transformBy(ZcGeMatrix3d::mirroring(ZcGePlane::kZXPlane)), Zcad::eOk);
    EXPECT_TRUE(near(above.position(), {0, -10, 0}));
    EXPECT_NEAR(above.rotation(), 0.0, 1e-12);

    // A centred text keeps its alignment point and its left end moves to suit.
    ZcDbText centred({0, 0, 0}, "ABCD", ZcDbObjectId::kNull, 2.5);
    centred.setHorizontalMode(ZcDb::kTextCenter);
    centred.setAlignmentPoint({10, 0, 0});
    ASSERT_EQ(centred.transformBy(ZcGeMatrix3d::mirroring(ZcGePlane::kYZPlane)), Zcad::eOk);
    EXPECT_TRUE(near(centred.alignmentPoint(), {-10, 0, 0}));
    EXPECT_TRUE(near(centred.position(), {-10 - kWidth / 2, 0, 0}));
}

TEST_F(TextEntities, TextTakesTheDrawingsCurrentStyleUnlessGivenOne)
{
    auto* text = new ZcDbText({0, 0, 0}, "A");
    EXPECT_TRUE(text->textStyle().isNull());
    const ZcDbObjectId id = addToModelSpace(text);

    ZcDbObjectPointer<ZcDbText> open(id, ZcDb::kForRead);
    ASSERT_EQ(open.openStatus(), Zcad::eOk);
    EXPECT_EQ(open->textStyle(), db->textstyle());
    ASSERT_EQ(open->upgradeOpen(), Zcad::eOk);
    EXPECT_EQ(open->setTextStyle(db->clayer()), Zcad::eWrongObjectType);
}

TEST_F(TextEntities, AttributeTakesItsDefinitionPlacedByTheBlock)
{
    ZcDbAttributeDefinition def({1, 0, 0}, "default", "PART", "Part number?");
    def.setHeight(2.0);
    def.setInvisible(true);
    def.setColorIndex(3);

    ZcDbAttribute attribute;
    const ZcGeMatrix3d place = ZcGeMatrix3d::translation({10, 10, 0}) *
                               ZcGeMatrix3d::rotation(kPi / 2, ZcGeVector3d::kZAxis) * ZcGeMatrix3d::scaling(2.0);
    ASSERT_EQ(attribute.setAttributeFromBlock(&def, place), Zcad::eOk);
    EXPECT_STREQ(attribute.tagConst(), "PART");
    EXPECT_STREQ(attribute.textStringConst(), "default");
    EXPECT_TRUE(attribute.isInvisible());
    EXPECT_EQ(attribute.colorIndex(), 3);
    EXPECT_TRUE(near(attribute.position(), {10, 12, 0}));
    EXPECT_NEAR(attribute.height(), 4.0, 1e-12);
    EXPECT_NEAR(attribute.rotation(), kPi / 2, 1e-12);

    char* prompt = def.prompt();
    EXPECT_STREQ(prompt, "Part number?");
    zcutDelString(prompt);
}

TEST_F(TextEntities, PointExtentsAreThePointAndItsThickness)
{
    ZcDbPoint point({1, 2, 3});
    ZcDbExtents e;
    ASSERT_EQ(point.getGeomExtents(e), Zcad::eOk);
    EXPECT_TRUE(near(e.minPoint(), {1, 2, 3}));
    EXPECT_TRUE(near(e.maxPoint(), {1, 2, 3}));

    point.setThickness(4.0);
    ASSERT_EQ(point.transformBy(ZcGeMatrix3d::scaling(2.0)), Zcad::eOk);
    ASSERT_EQ(point.getGeomExtents(e), Zcad::eOk);
    EXPECT_TRUE(near(e.minPoint(), {2, 4, 6}));
    EXPECT_TRUE(near(e.maxPoint(), {2, 4, 14}));
}

}  // namespace
