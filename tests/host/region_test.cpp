// Regions made from loose curves: which curves make loops, and the area, perimeter and
// extents of what they enclose.
#include <cmath>
#include <memory>
#include <numbers>

#include "geom_expect.h"
#include "owned_entities.h"
#include "support/host_fixture.h"

namespace {

using Regions = HostTest;

constexpr double kPi = std::numbers::pi;

ZcDbRegion* regionAt(const OwnedEntities& regions, int i) { return ZcDbRegion::cast(regions.at(i)); }

// A 20 by 10 rectangle as four lines, out of order and not all running the same way round.
OwnedEntities rectangleSides()
{
    OwnedEntities sides;
    sides.items.append(new ZcDbLine({20, 10, 0}, {20, 0, 0}));
    sides.items.append(new ZcDbLine({0, 0, 0}, {20, 0, 0}));
    sides.items.append(new ZcDbLine({0, 0, 0}, {0, 10, 0}));
    sides.items.append(new ZcDbLine({20, 10, 0}, {0, 10, 0}));
    return sides;
}

TEST_F(Regions, KindReportsThePlatformsNames)
{
    EXPECT_STREQ(ZcDbRegion::desc()->name(), "AcDbRegion");
    EXPECT_STREQ(ZcDbRegion::desc()->dxfName(), "REGION");
}

TEST_F(Regions, FourLinesJoinIntoARectangle)
{
    const OwnedEntities sides = rectangleSides();
    OwnedEntities regions;
    ASSERT_EQ(ZcDbRegion::createFromCurves(sides.items, regions.items), Zcad::eOk);
    ASSERT_EQ(regions.items.length(), 1);
    double area = 0.0, perimeter = 0.0;
    ASSERT_EQ(regionAt(regions, 0)->getArea(area), Zcad::eOk);
    ASSERT_EQ(regionAt(regions, 0)->getPerimeter(perimeter), Zcad::eOk);
    EXPECT_NEAR(area, 200.0, 1e-9);
    EXPECT_NEAR(perimeter, 60.0, 1e-9);
    ZcGeVector3d normal;
    ASSERT_EQ(regionAt(regions, 0)->getNormal(normal), Zcad::eOk);
    EXPECT_TRUE(near(normal, {0, 0, 1}));
    ZcDbExtents e;
    ASSERT_EQ(regionAt(regions, 0)->getGeomExtents(e), Zcad::eOk);
    EXPECT_TRUE(near(e.maxPoint(), {20, 10, 0}));
}

TEST_F(Regions, ClosedCurvesAreLoopsOfTheirOwn)
{
    OwnedEntities curves;
    curves.items.append(new ZcDbCircle({100, 0, 0}, ZcGeVector3d::kZAxis, 10.0));
    auto* slot = new ZcDbPolyline;  // a 10 by 4 slot: two straights and two half circles
    slot->addVertexAt(0, {0, 0}, 0.0);
    slot->addVertexAt(1, {10, 0}, 1.0);
    slot->addVertexAt(2, {10, 4}, 0.0);
    slot->addVertexAt(3, {0, 4}, 1.0);
    slot->setClosed(true);
    curves.items.append(slot);

    OwnedEntities regions;
    ASSERT_EQ(ZcDbRegion::createFromCurves(curves.items, regions.items), Zcad::eOk);
    ASSERT_EQ(regions.items.length(), 2);
    double area = 0.0, perimeter = 0.0;
    regionAt(regions, 0)->getArea(area);
    regionAt(regions, 0)->getPerimeter(perimeter);
    EXPECT_NEAR(area / (kPi * 100.0), 1.0, 1e-5);
    EXPECT_NEAR(perimeter, 20.0 * kPi, 1e-9);
    regionAt(regions, 1)->getArea(area);
    EXPECT_NEAR(area / (40.0 + kPi * 4.0), 1.0, 1e-5);
}

TEST_F(Regions, CurvesThatCloseNothingAreRefused)
{
    OwnedEntities sides = rectangleSides();
    delete sides.at(sides.items.length() - 1);
    sides.items.removeLast();
    OwnedEntities regions;
    EXPECT_EQ(ZcDbRegion::createFromCurves(sides.items, regions.items), Zcad::eInvalidInput);
    EXPECT_TRUE(regions.items.isEmpty());

    OwnedEntities notCurves;
    notCurves.items.append(new ZcDbText({0, 0, 0}, "A"));
    EXPECT_EQ(ZcDbRegion::createFromCurves(notCurves.items, regions.items), Zcad::eInvalidInput);
}

TEST_F(Regions, FlatLoopsOnlyAndThoseThatEncloseSomething)
{
    OwnedEntities twisted;
    twisted.items.append(new ZcDbLine({0, 0, 0}, {10, 0, 0}));
    twisted.items.append(new ZcDbLine({10, 0, 0}, {10, 10, 5}));
    twisted.items.append(new ZcDbLine({10, 10, 5}, {0, 10, 0}));
    twisted.items.append(new ZcDbLine({0, 10, 0}, {0, 0, 0}));
    OwnedEntities regions;
    EXPECT_EQ(ZcDbRegion::createFromCurves(twisted.items, regions.items), Zcad::eDegenerateGeometry);

    OwnedEntities thereAndBack;
    thereAndBack.items.append(new ZcDbLine({0, 0, 0}, {10, 0, 0}));
    thereAndBack.items.append(new ZcDbLine({10, 0, 0}, {0, 0, 0}));
    EXPECT_EQ(ZcDbRegion::createFromCurves(thereAndBack.items, regions.items), Zcad::eDegenerateGeometry);
    EXPECT_TRUE(regions.items.isEmpty());
}

TEST_F(Regions, TransformAndExplodeCarryTheLoop)
{
    const OwnedEntities sides = rectangleSides();
    OwnedEntities regions;
    ASSERT_EQ(ZcDbRegion::createFromCurves(sides.items, regions.items), Zcad::eOk);
    ZcDbRegion* region = regionAt(regions, 0);
    ASSERT_EQ(region->transformBy(ZcGeMatrix3d::rotation(kPi / 2, ZcGeVector3d::kXAxis) * ZcGeMatrix3d::scaling(2.0)),
              Zcad::eOk);
    double area = 0.0;
    region->getArea(area);
    EXPECT_NEAR(area, 800.0, 1e-9);
    ZcGeVector3d normal;
    region->getNormal(normal);
    EXPECT_TRUE(near(normal, {0, 1, 0}));

    OwnedEntities pieces;
    ASSERT_EQ(region->explode(pieces.items), Zcad::eOk);
    ASSERT_EQ(pieces.items.length(), 4);
    // Loop order: each piece touches the next.
    for (int i = 0; i < 4; ++i) {
        const auto* a = ZcDbLine::cast(pieces.at(i));
        const auto* b = ZcDbLine::cast(pieces.at((i + 1) % 4));
        ASSERT_TRUE(a != nullptr && b != nullptr);
        const bool touch = a->endPoint().isEqualTo(b->startPoint()) || a->endPoint().isEqualTo(b->endPoint()) ||
                           a->startPoint().isEqualTo(b->startPoint()) || a->startPoint().isEqualTo(b->endPoint());
        EXPECT_TRUE(touch) << "piece " << i;
    }
}

}  // namespace
