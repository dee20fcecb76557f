// Splitting curves at parameters and points: which splits count and the pieces, in order.
#include "geom_expect.h"

#include "geom/curve.h"

#include <cmath>
#include <numbers>

using namespace zrx::geom;

namespace {

constexpr double kPi = std::numbers::pi;

TEST(SplitLine, PointsAreSortedAndOffLineDuplicateAndEndPointsSkipped)
{
    const Line seg = Line::segment({0, 0, 0}, {10, 0, 0});
    const std::vector<ZcGePoint3d> points = {{7, 0, 0}, {3, 0, 0}, {5, 1, 0}, {7, 0, 0}, {10, 0, 0}, {0, 0, 0}};
    const std::vector<Line> pieces = splitAtPoints(seg, points);
    ASSERT_EQ(pieces.size(), 3u);
    const ZcGePoint3d ends[] = {{0, 0, 0}, {3, 0, 0}, {7, 0, 0}, {10, 0, 0}};
    for (size_t i = 0; i < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i].kind, LineKind::Segment);
        EXPECT_TRUE(near(pieces[i].base, ends[i]));
        EXPECT_TRUE(near(pieces[i].end, ends[i + 1]));
    }
    EXPECT_EQ(splitAtPoints(seg, {{5, 1, 0}}).size(), 1u);  // nothing on the line: the line itself
}

TEST(SplitLine, UnboundedLinesEndInRays)
{
    const Line xl = Line::infinite({0, 0, 0}, {0, 1, 0});
    const std::vector<Line> pieces = splitAtParams(xl, {4.0, -1.0});
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].kind, LineKind::Ray);
    EXPECT_TRUE(near(pieces[0].base, ZcGePoint3d(0, -1, 0)));
    EXPECT_TRUE(near(pieces[0].direction, ZcGeVector3d(0, -1, 0)));
    EXPECT_EQ(pieces[1].kind, LineKind::Segment);
    EXPECT_DOUBLE_EQ(pieces[1].length, 5.0);
    EXPECT_EQ(pieces[2].kind, LineKind::Ray);
    EXPECT_TRUE(near(pieces[2].base, ZcGePoint3d(0, 4, 0)));

    const std::vector<Line> rayPieces = splitAtParams(Line::ray({0, 0, 0}, {1, 0, 0}), {0.0, 2.0});
    ASSERT_EQ(rayPieces.size(), 2u);
    EXPECT_EQ(rayPieces[0].kind, LineKind::Segment);
    EXPECT_EQ(rayPieces[1].kind, LineKind::Ray);
}

TEST(SplitArc, CircleWrapsRoundToItsFirstSplit)
{
    const Arc circle = Arc::makeCircle({0, 0, 0}, 1, {0, 0, 1});
    const std::vector<Arc> one = splitAtPoints(circle, {{0, 1, 0}});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_FALSE(one[0].circle);
    EXPECT_NEAR(one[0].startAngle, kPi / 2, 1e-12);
    EXPECT_NEAR(one[0].sweep(), 2 * kPi, 1e-12);

    const std::vector<Arc> two = splitAtParams(circle, {3 * kPi / 2, kPi / 2});
    ASSERT_EQ(two.size(), 2u);
    EXPECT_NEAR(two[0].startAngle, kPi / 2, 1e-12);
    EXPECT_NEAR(two[0].endAngle, 3 * kPi / 2, 1e-12);
    EXPECT_NEAR(two[1].startAngle, 3 * kPi / 2, 1e-12);
    EXPECT_NEAR(two[1].endAngle, 5 * kPi / 2, 1e-12);
    // 2π is the seam: the same split as 0.
    EXPECT_EQ(splitAtParams(circle, {0.0, 2 * kPi}).size(), 1u);
}

TEST(SplitArc, ArcAcrossZeroSplitsInsideItsRangeOnly)
{
    const Arc arc = Arc::makeArc({0, 0, 0}, 2, {0, 0, 1}, -kPi / 4, kPi / 4);
    const std::vector<Arc> pieces = splitAtPoints(arc, {{2, 0, 0}, {-2, 0, 0}, arc.at(arc.endAngle)});
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_TRUE(near(*endPoint(pieces[0]), ZcGePoint3d(2, 0, 0)));
    EXPECT_TRUE(near(*startPoint(pieces[1]), ZcGePoint3d(2, 0, 0)));
    EXPECT_TRUE(near(*endPoint(pieces[1]), *endPoint(arc)));
}

TEST(SplitPolyline, CutInsideAnArcPieceKeepsTheGeometry)
{
    const Polyline pl({{{-3, 0}, 0}, {{-1, 0}, 1}, {{1, 0}, 0}, {{3, 0}, 0}}, false);
    const std::vector<Polyline> pieces = splitAtParams(pl, {1.5, 0.5});
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_TRUE(near(*endPoint(pieces[0]), ZcGePoint3d(-2, 0, 0)));
    EXPECT_TRUE(near(*endPoint(pieces[1]), ZcGePoint3d(0, -1, 0)));
    // A quarter circle left of the cut: bulge tan(π/8).
    EXPECT_NEAR(pieces[1].vertices()[1].bulge, std::tan(kPi / 8), 1e-12);
    EXPECT_NEAR(pieces[2].vertices()[0].bulge, std::tan(kPi / 8), 1e-12);
    double total = 0.0;
    for (const Polyline& p : pieces) total += p.length();
    EXPECT_NEAR(total, pl.length(), 1e-12);
    EXPECT_TRUE(near(*pointAtParam(pieces[2], 0.5), *pointAtParam(pl, 1.75)));
}

TEST(SplitPolyline, ClosedPathAtOnePointOpensThere)
{
    const Polyline square({{{0, 0}, 0}, {{2, 0}, 0}, {{2, 2}, 0}, {{0, 2}, 0}}, true);
    const std::vector<Polyline> one = splitAtPoints(square, {{2, 1, 0}});
    ASSERT_EQ(one.size(), 1u);
    EXPECT_FALSE(one[0].isClosed());
    EXPECT_TRUE(near(*startPoint(one[0]), ZcGePoint3d(2, 1, 0)));
    EXPECT_TRUE(near(*endPoint(one[0]), ZcGePoint3d(2, 1, 0)));
    EXPECT_EQ(one[0].vertices().size(), 6u);  // through (2,2) (0,2) (0,0) (2,0)
    EXPECT_NEAR(one[0].length(), 8.0, 1e-12);

    const std::vector<Polyline> two = splitAtPoints(square, {{0, 1, 0}, {2, 1, 0}});
    ASSERT_EQ(two.size(), 2u);
    EXPECT_TRUE(near(*startPoint(two[0]), ZcGePoint3d(2, 1, 0)));
    EXPECT_TRUE(near(*startPoint(two[1]), ZcGePoint3d(0, 1, 0)));
    EXPECT_TRUE(near(*endPoint(two[1]), ZcGePoint3d(2, 1, 0)));
}

TEST(SplitCurve, VariantKeepsEachKind)
{
    const Curve c = Arc::makeCircle({0, 0, 0}, 1, {0, 0, 1});
    const std::vector<Curve> pieces = splitAtParams(c, {1.0, 2.0});
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_TRUE(std::holds_alternative<Arc>(pieces[1]));
    EXPECT_NEAR(startParam(pieces[1]), 2.0, 1e-12);
}

}  // namespace
