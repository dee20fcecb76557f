// Making splines: fitting through points and taking control data as given.
#include "geom_expect.h"
#include "spline_samples.h"

#include "geom/spline_eval.h"
#include "geom/spline_length.h"
#include "geom/spline_project.h"

#include <cmath>
#include <numbers>

using namespace zrx::geom;

namespace {

double distanceToCurve(const Nurbs& s, const ZcGePoint3d& p) { return closestFoot(s, p)->point.distanceTo(p); }

TEST(SplineFit, InterpolationPassesThroughEveryPointAndKeepsThemAsGiven)
{
    // A repeated point is given on purpose: the fitter skips it, the data keeps it.
    const std::vector<ZcGePoint3d> pts = {{0, 0, 0}, {1, 2, 0.5}, {1, 2, 0.5}, {3, 1, -1}, {6, 4, 0}, {7, 0, 2}};
    const auto s = fitThrough(pts);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->degree, 3);
    EXPECT_EQ(s->fitPoints.size(), pts.size());
    EXPECT_TRUE(isValid(*s));
    for (const ZcGePoint3d& p : pts) EXPECT_LT(distanceToCurve(*s, p), 1e-9) << describe(p);
    EXPECT_TRUE(near(*startPoint(*s), pts.front()));
    EXPECT_TRUE(near(*endPoint(*s), pts.back()));
    EXPECT_TRUE(s->normal.isZeroLength());  // the points leave every plane
}

TEST(SplineFit, TwoPointsStillGiveACubicAlongTheChord)
{
    const auto s = fitThrough({{1, 1, 0}, {4, 5, 0}});
    ASSERT_TRUE(s);
    EXPECT_EQ(s->degree, 3);
    EXPECT_NEAR(*length(*s), 5.0, 1e-9);
}

TEST(SplineFit, CollinearPointsGiveTheChordLength)
{
    const auto s = fitThrough({{0, 0, 0}, {1, 0, 0}, {3, 0, 0}, {3.5, 0, 0}, {10, 0, 0}});
    ASSERT_TRUE(s);
    EXPECT_NEAR(*length(*s), 10.0, 1e-9);
    EXPECT_TRUE(near(s->normal, ZcGeVector3d(0, 0, 1)));  // straight: the world Z plane holds it
}

TEST(SplineFit, EndTangentsSteerTheDirectionOnly)
{
    const Nurbs s = spline_samples::arch();
    const ZcGeVector3d d0 = firstDeriv(s, s.startParam())->normal();
    const ZcGeVector3d d1 = firstDeriv(s, s.endParam())->normal();
    EXPECT_TRUE(near(d0, ZcGeVector3d(1, 1, 0).normal(), 1e-9));
    EXPECT_TRUE(near(d1, ZcGeVector3d(1, -1, 0).normal(), 1e-9));
    EXPECT_TRUE(near(*s.startTangent, ZcGeVector3d(1, 1, 0)));  // kept as given, unnormalised

    FitOptions startOnly;
    startOnly.startTangent = ZcGeVector3d(0, -3, 0);
    const auto t = fitThrough({{0, 0, 0}, {2, 0, 0}, {4, 1, 0}}, startOnly);
    ASSERT_TRUE(t);
    EXPECT_TRUE(near(firstDeriv(*t, t->startParam())->normal(), ZcGeVector3d(0, -1, 0), 1e-9));
}

TEST(SplineFit, ClosedFitIsPeriodicAndSmoothAtTheSeam)
{
    std::vector<ZcGePoint3d> pts;
    for (int i = 0; i < 6; ++i) {
        const double a = i * std::numbers::pi / 3;
        pts.push_back({3 * std::cos(a), 2 * std::sin(a), 1});
    }
    pts.push_back(pts.front());  // the closing repeat is allowed
    FitOptions options;
    options.closed = true;
    const auto s = fitThrough(pts, options);
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->closed);
    EXPECT_TRUE(s->periodic);
    EXPECT_TRUE(isClosed(*s));
    EXPECT_EQ(s->fitPoints.size(), 7u);
    for (const ZcGePoint3d& p : pts) EXPECT_LT(distanceToCurve(*s, p), 1e-9);
    EXPECT_TRUE(near(*firstDeriv(*s, s->startParam()), *firstDeriv(*s, s->endParam()), 1e-9));
    EXPECT_TRUE(near(s->normal, ZcGeVector3d(0, 0, 1)));
}

TEST(SplineFit, ToleranceKeepsWithinItAndThroughBothEnds)
{
    std::vector<ZcGePoint3d> pts;
    for (int i = 0; i <= 40; ++i) pts.push_back({i * 0.25, std::sin(i * 0.25) + 0.01 * ((i % 3) - 1), 0});
    FitOptions options;
    options.tolerance = 0.05;
    const auto s = fitThrough(pts, options);
    ASSERT_TRUE(s);
    EXPECT_DOUBLE_EQ(s->fitTolerance, 0.05);
    EXPECT_LT(s->controlPoints.size(), pts.size() / 2);   // lighter than an interpolation
    for (const ZcGePoint3d& p : pts) EXPECT_LE(distanceToCurve(*s, p), 0.05 + 1e-9);
    EXPECT_TRUE(near(*startPoint(*s), pts.front(), 1e-7));
    EXPECT_TRUE(near(*endPoint(*s), pts.back(), 1e-7));
}

TEST(SplineFit, TooFewDistinctPointsFail)
{
    EXPECT_FALSE(fitThrough({{1, 1, 1}}));
    EXPECT_FALSE(fitThrough({{1, 1, 1}, {1, 1, 1}}));
    FitOptions closed;
    closed.closed = true;
    EXPECT_FALSE(fitThrough({{0, 0, 0}, {1, 0, 0}, {0, 0, 0}}, closed));
}

TEST(SplineData, PeriodicDataGivenAsOnePeriodIsUnwrapped)
{
    // A uniform cubic round a square: closed and twice differentiable over the seam.
    const auto s = makeNurbs(3, {{1, 1, 0}, {-1, 1, 0}, {-1, -1, 0}, {1, -1, 0}}, {0, 1, 2, 3, 4}, {}, true);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->controlPoints.size(), 7u);
    EXPECT_EQ(s->knots.size(), 11u);
    EXPECT_DOUBLE_EQ(s->startParam(), 0.0);
    EXPECT_DOUBLE_EQ(s->endParam(), 4.0);
    EXPECT_TRUE(s->closed);
    const double u0 = s->startParam(), u1 = s->endParam();
    EXPECT_TRUE(near(*pointAtParam(*s, u0), *pointAtParam(*s, u1)));
    EXPECT_TRUE(near(*firstDeriv(*s, u0), *firstDeriv(*s, u1)));
    EXPECT_TRUE(near(*secondDeriv(*s, u0), *secondDeriv(*s, u1)));
}

TEST(SplineData, InvalidControlDataIsRefused)
{
    const std::vector<ZcGePoint3d> pts = {{0, 0, 0}, {1, 1, 0}, {2, 0, 0}};
    EXPECT_TRUE(makeNurbs(2, pts, {0, 0, 0, 1, 1, 1}));
    EXPECT_FALSE(makeNurbs(2, pts, {0, 0, 0, 1, 1}));              // one knot short
    EXPECT_FALSE(makeNurbs(2, pts, {0, 0, 1, 0, 1, 1}));           // decreasing
    EXPECT_FALSE(makeNurbs(2, pts, {0, 0, 0, 1, 1, 1}, {1, -1, 1}));  // negative weight
    EXPECT_FALSE(makeNurbs(3, pts, {0, 0, 0, 0, 1, 1, 1}));        // too few points for the degree
    const auto uniform = makeNurbs(2, pts, {0, 0, 0, 1, 1, 1}, {1, 1, 1});
    ASSERT_TRUE(uniform);
    EXPECT_FALSE(uniform->rational);
}

}  // namespace
