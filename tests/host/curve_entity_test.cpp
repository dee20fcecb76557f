// Curve entities as plug-ins use them: parameters, splitting, closest points and
// intersections between entities of different kinds.
#include <cmath>
#include <numbers>

#include "owned_entities.h"
#include "support/host_fixture.h"

namespace {

using CurveEntities = HostTest;

constexpr double kPi = std::numbers::pi;

void expectPoint(const ZcGePoint3d& actual, double x, double y, double z = 0.0)
{
    EXPECT_NEAR(actual.x, x, 1e-9);
    EXPECT_NEAR(actual.y, y, 1e-9);
    EXPECT_NEAR(actual.z, z, 1e-9);
}


ZcDbPolyline* bentPath()
{
    // (0,0) → (10,0), then a half circle bulging to the right up to (10,10), then to (0,10).
    auto* pl = new ZcDbPolyline;
    pl->addVertexAt(0, ZcGePoint2d(0, 0));
    pl->addVertexAt(1, ZcGePoint2d(10, 0), 1.0);
    pl->addVertexAt(2, ZcGePoint2d(10, 10));
    pl->addVertexAt(3, ZcGePoint2d(0, 10));
    return pl;
}

TEST_F(CurveEntities, ParametersFollowThePlatformsConventions)
{
    ZcDbLine line({0, 0, 0}, {3, 4, 0});
    double end = 0.0;
    ASSERT_EQ(line.getEndParam(end), Zcad::eOk);
    EXPECT_DOUBLE_EQ(end, 5.0);

    ZcDbArc arc({0, 0, 0}, 2.0, kPi / 2, 0.0);  // three quarters, past the X axis
    double s = 0.0, e = 0.0;
    arc.getStartParam(s);
    arc.getEndParam(e);
    EXPECT_NEAR(s, kPi / 2, 1e-12);
    EXPECT_NEAR(e, 2 * kPi, 1e-12);
    double dist = 0.0;
    ASSERT_EQ(arc.getDistAtParam(kPi, dist), Zcad::eOk);
    EXPECT_NEAR(dist, kPi, 1e-12);  // a quarter of a radius-2 circle

    std::unique_ptr<ZcDbPolyline> pl(bentPath());
    ZcGePoint3d p;
    ASSERT_EQ(pl->getPointAtParam(1.5, p), Zcad::eOk);
    expectPoint(p, 15, 5);  // halfway round the half circle
    double t = 0.0;
    EXPECT_EQ(pl->getParamAtPoint(ZcGePoint3d(3, 3, 0), t), Zcad::eInvalidInput);
}

TEST_F(CurveEntities, SplittingALineAtPointsGivesOrderedPiecesWithItsProperties)
{
    ZcDbLine line({0, 0, 0}, {10, 0, 0});
    line.setColorIndex(3);
    ZcGePoint3dArray at{ZcGePoint3d(7, 0, 0), ZcGePoint3d(2, 0, 0), ZcGePoint3d(5, 1, 0)};
    OwnedEntities pieces;
    ASSERT_EQ(line.getSplitCurves(at, pieces.items), Zcad::eOk);
    ASSERT_EQ(pieces.items.length(), 3);  // the point off the line is ignored
    double xs[][2] = {{0, 2}, {2, 7}, {7, 10}};
    for (int i = 0; i < 3; ++i) {
        auto* piece = ZcDbLine::cast(pieces.at(i));
        ASSERT_NE(piece, nullptr);
        expectPoint(piece->startPoint(), xs[i][0], 0);
        expectPoint(piece->endPoint(), xs[i][1], 0);
        EXPECT_EQ(piece->colorIndex(), 3);
    }
}

TEST_F(CurveEntities, ClosestPointOnABoundedAndAnExtendedLine)
{
    ZcDbLine line({0, 0, 0}, {10, 0, 0});
    ZcGePoint3d on;
    line.getClosestPointTo(ZcGePoint3d(15, 3, 0), on);
    expectPoint(on, 10, 0);
    line.getClosestPointTo(ZcGePoint3d(15, 3, 0), on, true);
    expectPoint(on, 15, 0);
}

TEST_F(CurveEntities, IntersectionsRespectTheExtensionMode)
{
    ZcDbLine shortLine({0, 0, 0}, {4, 0, 0});
    ZcDbCircle circle({10, 0, 0}, ZcGeVector3d::kZAxis, 2.0);
    ZcGePoint3dArray pts;
    ASSERT_EQ(shortLine.intersectWith(&circle, ZcDb::kOnBothOperands, pts), Zcad::eOk);
    EXPECT_TRUE(pts.isEmpty());
    ASSERT_EQ(shortLine.intersectWith(&circle, ZcDb::kExtendThis, pts), Zcad::eOk);
    ASSERT_EQ(pts.length(), 2);
    expectPoint(pts[0], 8, 0);
    expectPoint(pts[1], 12, 0);
    pts.removeAll();
    ASSERT_EQ(shortLine.intersectWith(&circle, ZcDb::kExtendArg, pts), Zcad::eOk);
    EXPECT_TRUE(pts.isEmpty());
}

TEST_F(CurveEntities, APolylineArcSegmentMeetsALine)
{
    std::unique_ptr<ZcDbPolyline> pl(bentPath());
    ZcDbLine across({12, -5, 0}, {12, 20, 0});
    ZcGePoint3dArray pts;
    ASSERT_EQ(pl->intersectWith(&across, ZcDb::kOnBothOperands, pts), Zcad::eOk);
    ASSERT_EQ(pts.length(), 2);
    double dy = std::sqrt(25.0 - 4.0);
    expectPoint(pts[0], 12, 5 - dy);
    expectPoint(pts[1], 12, 5 + dy);
}

TEST_F(CurveEntities, ProjectedIntersectionLandsOnThisEntity)
{
    ZcDbLine low({0, 0, 0}, {10, 10, 0});
    ZcDbLine high({0, 10, 50}, {10, 0, 50});
    ZcGePoint3dArray pts;
    ASSERT_EQ(low.intersectWith(&high, ZcDb::kOnBothOperands, pts), Zcad::eOk);
    EXPECT_TRUE(pts.isEmpty());
    ASSERT_EQ(high.intersectWith(&low, ZcDb::kOnBothOperands, ZcGePlane::kXYPlane, pts), Zcad::eOk);
    ASSERT_EQ(pts.length(), 1);
    expectPoint(pts[0], 5, 5, 50);
}

TEST_F(CurveEntities, ExplodingAPolylineGivesItsLinesAndArcs)
{
    std::unique_ptr<ZcDbPolyline> pl(bentPath());
    pl->setElevation(7);
    OwnedEntities parts;
    ASSERT_EQ(pl->explode(parts.items), Zcad::eOk);
    ASSERT_EQ(parts.items.length(), 3);
    EXPECT_NE(ZcDbLine::cast(parts.at(0)), nullptr);
    auto* arc = ZcDbArc::cast(parts.at(1));
    ASSERT_NE(arc, nullptr);
    expectPoint(arc->center(), 10, 5, 7);
    EXPECT_NEAR(arc->radius(), 5.0, 1e-12);
    EXPECT_NE(ZcDbLine::cast(parts.at(2)), nullptr);
    double area = 0.0;
    pl->setClosed(true);
    ASSERT_EQ(pl->getArea(area), Zcad::eOk);
    EXPECT_NEAR(area, 100.0 + kPi * 25.0 / 2.0, 1e-9);
}

TEST_F(CurveEntities, TransformingAnArcKeepsItAnArc)
{
    ZcDbArc arc({1, 0, 0}, 1.0, 0.0, kPi / 2);
    ASSERT_EQ(arc.transformBy(ZcGeMatrix3d::rotation(kPi / 2, ZcGeVector3d::kZAxis, ZcGePoint3d::kOrigin)), Zcad::eOk);
    expectPoint(arc.center(), 0, 1);
    ZcGePoint3d start;
    arc.getStartPoint(start);
    expectPoint(start, 0, 2);
    ZcDbExtents ext;
    ASSERT_EQ(arc.getGeomExtents(ext), Zcad::eOk);
    expectPoint(ext.minPoint(), -1, 1);
    expectPoint(ext.maxPoint(), 0, 2);
}

TEST_F(CurveEntities, RuntimeNamesAreTheClassicOnes)
{
    ZcDbLine line;
    ZcDbPolyline pl;
    ZcDbXline xl;
    EXPECT_STREQ(line.isA()->name(), "AcDbLine");
    EXPECT_STREQ(line.isA()->dxfName(), "LINE");
    EXPECT_STREQ(pl.isA()->name(), "AcDbPolyline");
    EXPECT_STREQ(pl.isA()->dxfName(), "LWPOLYLINE");
    EXPECT_STREQ(xl.isA()->dxfName(), "XLINE");
    EXPECT_TRUE(line.isKindOf(ZcDbCurve::desc()));
    EXPECT_EQ(ZcDbArc::cast(&line), nullptr);
}

}  // namespace
