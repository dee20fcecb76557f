// Measuring along splines and projecting onto them.
#include "geom_expect.h"
#include "spline_samples.h"

#include "geom/spline_eval.h"
#include "geom/spline_length.h"
#include "geom/spline_project.h"

using namespace zrx::geom;

namespace {

Nurbs straight() { return *fitThrough({{0, 0, 0}, {2, 0, 0}, {7, 0, 0}, {10, 0, 0}}); }

TEST(SplineLength, DistanceAndParameterAreInverse)
{
    const Nurbs s = spline_samples::sCurve();
    const double total = *length(s);
    EXPECT_GT(total, 4.0);
    EXPECT_NEAR(*distAtParam(s, s.endParam()), total, 1e-9);
    EXPECT_DOUBLE_EQ(*distAtParam(s, s.startParam()), 0.0);
    for (double d : {0.3, total / 2, total - 0.1}) {
        const double u = *paramAtDist(s, d);
        EXPECT_NEAR(*distAtParam(s, u), d, 1e-9);
    }
    // The point-symmetric curve is halved by its centre.
    EXPECT_TRUE(near(*pointAtParam(s, *paramAtDist(s, total / 2)), {2, 0, 0}, 1e-9));
}

TEST(SplineLength, OutOfRangeQueriesFail)
{
    const Nurbs s = spline_samples::sCurve();
    EXPECT_FALSE(paramAtDist(s, -0.5));
    EXPECT_FALSE(paramAtDist(s, *length(s) + 0.5));
    EXPECT_FALSE(distAtParam(s, s.endParam() + 1.0));
    EXPECT_FALSE(pointAtParam(s, s.startParam() - 1.0));
    EXPECT_TRUE(pointAtParam(s, s.endParam() + 1e-12));  // recomputed ends still count
}

TEST(SplineProject, ClosestPointInsideAndAtTheEnds)
{
    const Nurbs u = spline_samples::uCurve();
    EXPECT_TRUE(near(*closestPointTo(u, {0, -3, 0}, false), {0, 0, 0}, 1e-9));

    const Nurbs s = straight();
    EXPECT_TRUE(near(*closestPointTo(s, {4, 5, 0}, false), {4, 0, 0}, 1e-9));
    EXPECT_TRUE(near(*closestPointTo(s, {12, 3, 0}, false), {10, 0, 0}, 1e-12));
    EXPECT_TRUE(near(*closestPointTo(s, {-2, -1, 0}, false), {0, 0, 0}, 1e-12));
}

TEST(SplineProject, ExtendedEndsAreTangentRays)
{
    const Nurbs s = straight();
    EXPECT_TRUE(near(*closestPointTo(s, {12, 3, 0}, true), {12, 0, 0}, 1e-9));
    EXPECT_TRUE(near(*closestPointTo(s, {-2, -1, 0}, true), {-2, 0, 0}, 1e-9));

    const Nurbs a = spline_samples::arch();
    EXPECT_TRUE(near(*closestPointTo(a, {4, -1, 0}, true), {4, -1, 0}, 1e-9));  // on the end ray
    EXPECT_TRUE(near(*closestPointTo(a, {4, -1, 0}, false), {2, 1, 0}, 1e-9));
    // Behind an end ray the ray does not count: the arch's body is nearest.
    EXPECT_TRUE(near(*closestPointTo(a, {0.5, 3.5, 0}, true), *closestPointTo(a, {0.5, 3.5, 0}, false)));
}

TEST(SplineProject, ParamAtPointNeedsThePointOnTheCurve)
{
    const Nurbs s = spline_samples::sCurve();
    const double u = s.startParam() + 0.37 * (s.endParam() - s.startParam());
    const ZcGePoint3d p = *pointAtParam(s, u);
    EXPECT_NEAR(*paramAtPoint(s, p), u, 1e-9);
    EXPECT_FALSE(paramAtPoint(s, p + ZcGeVector3d(0, 0, 1e-3)));
    EXPECT_TRUE(paramAtPoint(s, p + ZcGeVector3d(0, 0, 1e-8)));
}

TEST(SplineProject, SeamOfAClosedSplineAnswersTheStart)
{
    FitOptions closed;
    closed.closed = true;
    const Nurbs s = *fitThrough({{0, 0, 0}, {4, 0, 0}, {4, 3, 0}, {0, 3, 0}}, closed);
    EXPECT_DOUBLE_EQ(*paramAtPoint(s, {0, 0, 0}), s.startParam());
}

TEST(SplineEval, PlanarSplinesReportTheirPlane)
{
    const auto tilted = fitThrough({{0, 0, 0}, {1, 1, 1}, {2, 0, 2}, {3, -1, 3}});
    ASSERT_TRUE(tilted);
    const auto plane = planeOf(*tilted);
    ASSERT_TRUE(plane);
    EXPECT_TRUE(plane->normal().isParallelTo(ZcGeVector3d(1, 0, -1).normal(), ZcGeTol()));
    EXPECT_TRUE(near(tilted->normal, plane->normal()));
    EXPECT_FALSE(planeOf(*fitThrough({{0, 0, 0}, {1, 1, 1}, {2, 0, 2}, {3, -1, 0}})));
}

}  // namespace
