// The cut-out of an intersection detail: curves cut at a rectangular region and sorted into
// the pieces inside and outside it, the candidates themselves left as they were.
#include <memory>
#include <vector>

#include "TrevanCom2002.h"
#include "support/host_fixture.h"

namespace {

struct Piece {
    ZcGePoint3d start, end;
};

class CrossRegion : public HostTest {
protected:
    void TearDown() override
    {
        for (void* p : inside) delete static_cast<ZcDbEntity*>(p);
        for (void* p : outside) delete static_cast<ZcDbEntity*>(p);
        HostTest::TearDown();
    }
    // The region runs from (0,0) to (100,50).
    bool extract(ZcDbObjectId id)
    {
        ZcDbObjectIdArray candidates;
        candidates.append(id);
        return TrevanCom_ExtractCrossRegion({0, 0, 0}, {100, 50, 0}, candidates, taken, inside, outside);
    }
    static std::vector<Piece> ends(const ZcDbVoidPtrArray& pieces)
    {
        std::vector<Piece> out;
        for (void* p : pieces) {
            auto* c = static_cast<ZcDbCurve*>(p);
            Piece piece;
            c->getStartPoint(piece.start);
            c->getEndPoint(piece.end);
            out.push_back(piece);
        }
        return out;
    }
    ZcDbObjectIdArray taken;
    ZcDbVoidPtrArray inside, outside;
};

void expectPoint(const ZcGePoint3d& p, double x, double y)
{
    EXPECT_NEAR(p.x, x, 1e-9);
    EXPECT_NEAR(p.y, y, 1e-9);
}

TEST_F(CrossRegion, ALineThroughTheRegionGivesItsMiddleInsideAndBothEndsOutside)
{
    ZcDbObjectId id = addToModelSpace(new ZcDbLine({-50, 20, 0}, {150, 20, 0}));
    EXPECT_TRUE(extract(id));
    ASSERT_EQ(taken.length(), 1);
    EXPECT_EQ(taken[0], id);
    auto in = ends(inside), out = ends(outside);
    ASSERT_EQ(in.size(), 1u);
    ASSERT_EQ(out.size(), 2u);
    expectPoint(in[0].start, 0, 20);
    expectPoint(in[0].end, 100, 20);
    expectPoint(out[0].start, -50, 20);
    expectPoint(out[1].end, 150, 20);
    ZcDbObjectPointer<ZcDbLine> line(id, ZcDb::kForRead);
    expectPoint(line->startPoint(), -50, 20);
    expectPoint(line->endPoint(), 150, 20);
}

TEST_F(CrossRegion, ALineEndingInsideGivesOnePieceEachSide)
{
    ZcDbObjectId id = addToModelSpace(new ZcDbLine({30, -40, 0}, {30, 25, 0}));
    extract(id);
    auto in = ends(inside), out = ends(outside);
    ASSERT_EQ(in.size(), 1u);
    ASSERT_EQ(out.size(), 1u);
    expectPoint(in[0].start, 30, 0);
    expectPoint(in[0].end, 30, 25);
    expectPoint(out[0].start, 30, -40);
}

TEST_F(CrossRegion, ALineTouchingACornerLeavesNothingInside)
{
    ZcDbObjectId id = addToModelSpace(new ZcDbLine({50, 100, 0}, {150, 0, 0}));
    extract(id);
    EXPECT_EQ(inside.length(), 0);
    EXPECT_EQ(taken.length(), 1);
    EXPECT_GE(outside.length(), 1);
}

TEST_F(CrossRegion, ALineWhollyInsideIsNotTaken)
{
    ZcDbObjectId id = addToModelSpace(new ZcDbLine({10, 10, 0}, {90, 40, 0}));
    extract(id);
    EXPECT_EQ(taken.length(), 0);
    EXPECT_EQ(inside.length() + outside.length(), 0);
}

TEST_F(CrossRegion, CurvesFarFromTheRegionAndNonCurvesAreNotTaken)
{
    ZcDbObjectIdArray candidates;
    candidates.append(addToModelSpace(new ZcDbLine({500, 500, 0}, {600, 600, 0})));
    candidates.append(addToModelSpace(new ZcDbText({50, 25, 0}, "B1", ZcDbObjectId::kNull, 20, 0)));
    TrevanCom_ExtractCrossRegion({0, 0, 0}, {100, 50, 0}, candidates, taken, inside, outside);
    EXPECT_EQ(taken.length(), 0);
}

TEST_F(CrossRegion, AnArcThroughTheRegionIsCutAtBothCrossings)
{
    // Centre on the region's bottom edge: the arc enters by the right edge, leaves by the
    // top, comes back in and leaves by the left edge, its ends outside beyond both sides.
    ZcDbObjectId id = addToModelSpace(new ZcDbArc({50, 0, 0}, 60, 0.1, 3.0));
    extract(id);
    ASSERT_EQ(inside.length(), 2);
    ASSERT_EQ(outside.length(), 3);
    for (void* p : inside) {
        const ZcGePoint3d mid = TrevanCom_CurveMidPoint(static_cast<ZcDbCurve*>(p));
        EXPECT_LT(mid.y, 50);
    }
}

TEST_F(CrossRegion, AClosedPolylineStartingAtACrossingKeepsThePieceThroughItsStartWhole)
{
    // A square from (50,25), on nothing of the region but inside, would not be cut; this one
    // starts on the region's right edge and runs out and back, its last vertex on its first.
    auto* poly = new ZcDbPolyline;
    const ZcGePoint2d pts[] = {{100, 25}, {140, 25}, {140, 40}, {60, 40}, {60, 25}, {100, 25}};
    for (unsigned i = 0; i < 6; ++i) poly->addVertexAt(i, pts[i]);
    ZcDbObjectId id = addToModelSpace(poly);
    extract(id);
    auto in = ends(inside), out = ends(outside);
    ASSERT_EQ(out.size(), 1u);
    ASSERT_EQ(in.size(), 1u);
    expectPoint(out[0].start, 100, 25);
    expectPoint(out[0].end, 100, 40);
    expectPoint(in[0].start, 100, 40);
    expectPoint(in[0].end, 100, 25);
    ZcDbObjectPointer<ZcDbPolyline> kept(id, ZcDb::kForRead);
    EXPECT_EQ(kept->numVerts(), 6u);
    EXPECT_FALSE(kept->isClosed());
}

TEST(CrossRegionTests, PointInPolygonTellsInsideBoundaryAndOutside)
{
    ZcGePoint3dArray square;
    for (auto [x, y] : {std::pair{0.0, 0.0}, {0.0, 10.0}, {10.0, 10.0}, {10.0, 0.0}}) square.append({x, y, 0});
    EXPECT_EQ(TrevanCom_PointInPolygon(square, {5, 5, 0}, 1e-4), 2);
    EXPECT_EQ(TrevanCom_PointInPolygon(square, {10, 5, 0}, 1e-4), 1);
    EXPECT_EQ(TrevanCom_PointInPolygon(square, {0, 0, 0}, 1e-4), 1);
    EXPECT_EQ(TrevanCom_PointInPolygon(square, {15, 5, 0}, 1e-4), 0);
    EXPECT_EQ(TrevanCom_PointInPolygon(square, {5, -0.001, 0}, 1e-4), 0);
}

TEST(CrossRegionTests, PointOnSegmentStopsAtItsEnds)
{
    EXPECT_NE(TrevanCom_PointOnSegment({5, 5, 0}, {0, 0, 0}, {10, 10, 0}), 0);
    EXPECT_NE(TrevanCom_PointOnSegment({10, 10, 0}, {0, 0, 0}, {10, 10, 0}), 0);
    EXPECT_EQ(TrevanCom_PointOnSegment({11, 11, 0}, {0, 0, 0}, {10, 10, 0}), 0);
    EXPECT_EQ(TrevanCom_PointOnSegment({-1, -1, 0}, {0, 0, 0}, {10, 10, 0}), 0);
    EXPECT_EQ(TrevanCom_PointOnSegment({5, 5.01, 0}, {0, 0, 0}, {10, 10, 0}), 0);
}

TEST(CrossRegionTests, BoxesOverlapWhenTheyTouchWithinTheTolerance)
{
    const ZcDbExtents region({0, 0, 0}, {10, 10, 0});
    EXPECT_TRUE(TrevanCom_BoxOverlap(ZcDbExtents({-5, -5, 0}, {20, 20, 0}), region, 1e-4));
    EXPECT_TRUE(TrevanCom_BoxOverlap(ZcDbExtents({10.00005, 3, 0}, {20, 4, 0}), region, 1e-4));
    EXPECT_FALSE(TrevanCom_BoxOverlap(ZcDbExtents({10.01, 3, 0}, {20, 4, 0}), region, 1e-4));
    EXPECT_FALSE(TrevanCom_BoxOverlap(ZcDbExtents({3, 11, 0}, {4, 20, 0}), region, 1e-4));
}

}  // namespace
