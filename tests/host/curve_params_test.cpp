// Parameters, distances, derivatives and closest points of the kernel's curves, in the
// platform's parameter conventions.
#include "geom_expect.h"

#include "geom/curve.h"

#include <cmath>
#include <limits>
#include <numbers>

using namespace zrx::geom;

namespace {

constexpr double kPi = std::numbers::pi;

// (-3,0) straight to (-1,0), the lower half circle about the origin to (1,0), straight to (3,0).
Polyline dipPath()
{
    return Polyline({{{-3, 0}, 0}, {{-1, 0}, 1}, {{1, 0}, 0}, {{3, 0}, 0}}, false);
}

TEST(LineParams, KindsRunFromTheirBase)
{
    const Line seg = Line::segment({1, 1, 0}, {4, 5, 0});
    EXPECT_EQ(seg.endParam(), 5.0);
    EXPECT_TRUE(near(*pointAtParam(seg, 5.0), ZcGePoint3d(4, 5, 0), 0.0));  // the end is exact
    EXPECT_FALSE(pointAtParam(seg, 5.1));
    EXPECT_NEAR(*paramAtPoint(seg, {2.5, 3, 0}), 2.5, 1e-12);
    EXPECT_FALSE(paramAtPoint(seg, {2.5, 3.1, 0}));
    EXPECT_FALSE(paramAtPoint(seg, {7, 9, 0}));  // on the line, beyond the end

    const Line ray = Line::ray({0, 0, 0}, {0, 2, 0});
    EXPECT_EQ(ray.endParam(), std::numeric_limits<double>::infinity());
    EXPECT_FALSE(endPoint(ray));
    EXPECT_FALSE(paramAtPoint(ray, {0, -1, 0}));

    const Line xl = Line::infinite({0, 0, 0}, {0, 2, 0});
    EXPECT_FALSE(startPoint(xl));
    EXPECT_NEAR(*paramAtPoint(xl, {0, -3, 0}), -3.0, 1e-12);
    EXPECT_TRUE(near(*firstDeriv(xl, -3.0), ZcGeVector3d(0, 1, 0)));
}

TEST(ArcParams, AnglesAreMeasuredInTheEntityPlane)
{
    // Normal -Z: the plane's X axis is -X, so angle 0 lies at -X.
    const Arc flipped = Arc::makeArc({0, 0, 0}, 2, {0, 0, -1}, 0, kPi / 2);
    EXPECT_TRUE(near(*startPoint(flipped), ZcGePoint3d(-2, 0, 0)));
    EXPECT_TRUE(near(*endPoint(flipped), ZcGePoint3d(0, 2, 0)));

    // An arc across angle 0 keeps end > start.
    const Arc across = Arc::makeArc({0, 0, 0}, 1, {0, 0, 1}, -kPi / 6, kPi / 6);
    EXPECT_NEAR(across.startAngle, 11 * kPi / 6, 1e-12);
    EXPECT_NEAR(across.endAngle, 13 * kPi / 6, 1e-12);
    EXPECT_NEAR(*paramAtPoint(across, {1, 0, 0}), 2 * kPi, 1e-12);
    EXPECT_FALSE(paramAtPoint(across, {-1, 0, 0}));
    EXPECT_FALSE(paramAtPoint(across, {1, 0, 1e-6}));  // off the plane
    // A point a hair before the start is the start.
    const ZcGePoint3d justBefore = across.at(across.startAngle - 1e-12);
    EXPECT_NEAR(*paramAtPoint(across, justBefore), across.startAngle, 1e-15);

    EXPECT_NEAR(*distAtParam(across, across.endAngle), kPi / 3, 1e-12);
    EXPECT_NEAR(*paramAtDist(across, kPi / 6), 2 * kPi, 1e-12);
    EXPECT_TRUE(near(*firstDeriv(across, 2 * kPi), ZcGeVector3d(0, 1, 0)));

    const Arc circle = Arc::makeCircle({0, 0, 0}, 1, {0, 0, 1});
    EXPECT_DOUBLE_EQ(*paramAtPoint(circle, {1, 0, 0}), 0.0);
}

TEST(PolylineParams, ArcFractionFollowsTheSweptAngle)
{
    const Polyline pl = dipPath();
    EXPECT_EQ(pl.endParam(), 3.0);
    EXPECT_TRUE(near(*pointAtParam(pl, 1.5), ZcGePoint3d(0, -1, 0)));
    EXPECT_TRUE(near(*pointAtParam(pl, 1.25), ZcGePoint3d(-std::sqrt(0.5), -std::sqrt(0.5), 0)));
    EXPECT_NEAR(*paramAtPoint(pl, {std::sqrt(0.5), -std::sqrt(0.5), 0}), 1.75, 1e-12);
    EXPECT_NEAR(*paramAtPoint(pl, {2, 0, 0}), 2.5, 1e-12);
    EXPECT_FALSE(paramAtPoint(pl, {0, 0, 0}));
    EXPECT_NEAR(*distAtParam(pl, 1.5), 2 + kPi / 2, 1e-12);
    EXPECT_NEAR(*paramAtDist(pl, 4 + kPi), 3.0, 1e-12);
    EXPECT_NEAR(*paramAtDist(pl, 2 + kPi / 4), 1.25, 1e-12);
    // d/dparam on the half circle: radius times the whole sweep.
    EXPECT_TRUE(near(*firstDeriv(pl, 1.5), ZcGeVector3d(kPi, 0, 0)));
    EXPECT_TRUE(near(*firstDeriv(pl, 3.0), ZcGeVector3d(2, 0, 0)));

    // A negative bulge runs clockwise: the upper half circle.
    const Polyline cw({{{-1, 0}, -1}, {{1, 0}, 0}}, false);
    EXPECT_TRUE(near(*pointAtParam(cw, 0.5), ZcGePoint3d(0, 1, 0)));
    EXPECT_TRUE(near(*firstDeriv(cw, 0.5), ZcGeVector3d(kPi, 0, 0)));
}

TEST(PolylineParams, PathInATiltedPlaneSitsAtItsElevation)
{
    const ZcGeVector3d normal(1, 0, 0);  // plane axes: Y and Z
    const Polyline pl({{{0, 0}, 0}, {{2, 0}, 0}}, false, 5.0, normal);
    EXPECT_TRUE(near(*startPoint(pl), ZcGePoint3d(5, 0, 0)));
    EXPECT_TRUE(near(*endPoint(pl), ZcGePoint3d(5, 2, 0)));
    EXPECT_TRUE(near(pl.toWorld(pl.toPlane({5, 1, 7})), ZcGePoint3d(5, 1, 7)));
}

TEST(ClosestPoint, BoundedStopsAtTheEndsExtendedDoesNot)
{
    const Line seg = Line::segment({0, 0, 0}, {2, 0, 0});
    EXPECT_TRUE(near(closestPointTo(seg, {5, 3, 0}, false), ZcGePoint3d(2, 0, 0)));
    EXPECT_TRUE(near(closestPointTo(seg, {5, 3, 0}, true), ZcGePoint3d(5, 0, 0)));
    EXPECT_TRUE(near(closestPointTo(seg, {-1, 1, 4}, false), ZcGePoint3d(0, 0, 0)));
    EXPECT_TRUE(near(closestPointTo(seg, {1, 1, 4}, false), ZcGePoint3d(1, 0, 0)));
    EXPECT_TRUE(near(closestPointTo(Line::ray({0, 0, 0}, {1, 0, 0}), {-4, 1, 0}, false), ZcGePoint3d(0, 0, 0)));

    const Arc quarter = Arc::makeArc({0, 0, 0}, 1, {0, 0, 1}, 0, kPi / 2);
    EXPECT_TRUE(near(closestPointTo(quarter, {-3, -0.1, 0}, false), ZcGePoint3d(0, 1, 0)));
    EXPECT_TRUE(near(closestPointTo(quarter, {-3, 0, 0}, true), ZcGePoint3d(-1, 0, 0)));
    EXPECT_TRUE(near(closestPointTo(quarter, {2, 2, 9}, false), ZcGePoint3d(std::sqrt(0.5), std::sqrt(0.5), 0)));

    const Polyline pl = dipPath();
    EXPECT_TRUE(near(closestPointTo(pl, {0, -3, 0}, false), ZcGePoint3d(0, -1, 0)));
    EXPECT_TRUE(near(closestPointTo(pl, {-6, 1, 0}, false), ZcGePoint3d(-3, 0, 0)));
    EXPECT_TRUE(near(closestPointTo(pl, {-6, 1, 0}, true), ZcGePoint3d(-6, 0, 0)));
    EXPECT_TRUE(near(closestPointTo(pl, {6, -1, 0}, true), ZcGePoint3d(6, 0, 0)));
}

}  // namespace
