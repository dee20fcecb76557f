// Cutting splines into pieces.
#include "geom_expect.h"
#include "spline_samples.h"

#include "geom/spline_eval.h"
#include "geom/spline_length.h"
#include "geom/spline_project.h"
#include "geom/spline_split.h"

#include <algorithm>

using namespace zrx::geom;

namespace {

double totalLength(const std::vector<Nurbs>& pieces)
{
    double sum = 0.0;
    for (const Nurbs& p : pieces) sum += *length(p);
    return sum;
}

Nurbs closedLoop()
{
    FitOptions closed;
    closed.closed = true;
    return *fitThrough({{0, 0, 0}, {4, -1, 0}, {5, 3, 0}, {1, 4, 0}}, closed);
}

TEST(SplineSplit, OpenSplinePiecesRunInOrderAndAddUp)
{
    const Nurbs s = spline_samples::sCurve();
    const double u0 = s.startParam(), u1 = s.endParam();
    const double a = u0 + 0.7 * (u1 - u0), b = u0 + 0.2 * (u1 - u0);
    const auto pieces = splitAtParams(s, {a, b, a, u0, u1});   // unsorted, repeated, ends ignored
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_TRUE(near(*startPoint(pieces[0]), *startPoint(s)));
    EXPECT_TRUE(near(*endPoint(pieces[0]), *pointAtParam(s, b), 1e-9));
    EXPECT_TRUE(near(*endPoint(pieces[1]), *pointAtParam(s, a), 1e-9));
    EXPECT_TRUE(near(*endPoint(pieces[2]), *endPoint(s)));
    for (size_t i = 0; i + 1 < pieces.size(); ++i) EXPECT_TRUE(near(*endPoint(pieces[i]), *startPoint(pieces[i + 1])));
    EXPECT_NEAR(totalLength(pieces), *length(s), 1e-8);
    for (const Nurbs& p : pieces) EXPECT_FALSE(p.hasFitData());
}

TEST(SplineSplit, NoInteriorParameterLeavesTheSplineWhole)
{
    const Nurbs s = spline_samples::sCurve();
    const auto pieces = splitAtParams(s, {s.startParam(), s.endParam() + 3});
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0].controlPoints.size(), s.controlPoints.size());
}

TEST(SplineSplit, ClosedSplineCutOnceIsOnePieceStartingThere)
{
    const Nurbs s = closedLoop();
    const double u = s.startParam() + 0.3 * (s.endParam() - s.startParam());
    const ZcGePoint3d at = *pointAtParam(s, u);
    const auto pieces = splitAtParams(s, {u});
    ASSERT_EQ(pieces.size(), 1u);
    const Nurbs& piece = pieces[0];
    EXPECT_TRUE(near(*startPoint(piece), at, 1e-9));
    EXPECT_TRUE(near(*endPoint(piece), at, 1e-9));
    EXPECT_NEAR(*length(piece), *length(s), 1e-8);
    // The piece runs over the old seam without leaving the curve.
    const double mid = piece.startParam() + 0.8 * (piece.endParam() - piece.startParam());
    EXPECT_LT(closestFoot(s, *pointAtParam(piece, mid))->point.distanceTo(*pointAtParam(piece, mid)), 1e-9);
    EXPECT_TRUE(near(*firstDeriv(piece, piece.startParam()), *firstDeriv(s, u), 1e-9));
}

TEST(SplineSplit, PeriodicSplineCutOnceKeepsNoKnotAtItsOldSeam)
{
    const Nurbs s = *makeNurbs(3, {{1, 1, 0}, {-1, 1, 0}, {-1, -1, 0}, {1, -1, 0}}, {0, 1, 2, 3, 4}, {}, true);
    const auto pieces = splitAtParams(s, {1.5});
    ASSERT_EQ(pieces.size(), 1u);
    const std::vector<double>& k = pieces[0].knots;
    ASSERT_EQ(k.size(), 12u);   // clamped ends round single knots 2, 3, 4 and 5
    EXPECT_EQ(std::adjacent_find(k.begin() + 4, k.end() - 4), k.end() - 4);
    EXPECT_DOUBLE_EQ(k[4], 2.0);
    EXPECT_DOUBLE_EQ(k[7], 5.0);
}

TEST(SplineSplit, ClosedSplineCutTwiceWrapsTheLastPieceOverTheSeam)
{
    const Nurbs s = closedLoop();
    const double span = s.endParam() - s.startParam();
    const double a = s.startParam() + 0.25 * span, b = s.startParam() + 0.75 * span;
    const auto pieces = splitAtParams(s, {b, a});
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_TRUE(near(*startPoint(pieces[0]), *pointAtParam(s, a), 1e-9));
    EXPECT_TRUE(near(*startPoint(pieces[1]), *pointAtParam(s, b), 1e-9));
    EXPECT_TRUE(near(*endPoint(pieces[1]), *pointAtParam(s, a), 1e-9));
    EXPECT_NEAR(totalLength(pieces), *length(s), 1e-8);
    EXPECT_EQ(splitAtParams(s, {s.startParam(), a}).size(), 2u);   // the start is a cut too
}

TEST(SplineSplit, PointsOffTheCurveAreSkipped)
{
    const Nurbs s = spline_samples::sCurve();
    const auto pieces = splitAtPoints(s, {{2, 0, 0}, {2, 0.5, 0}});
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_TRUE(near(*endPoint(pieces[0]), {2, 0, 0}, 1e-9));
    EXPECT_NEAR(*length(pieces[0]), *length(pieces[1]), 1e-8);   // the S is halved by its centre
}

}  // namespace
