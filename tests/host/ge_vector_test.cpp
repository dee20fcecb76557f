// Points, vectors and planes: angles, tolerance-aware comparisons and plane frames.
#include "geom_expect.h"

#include "zrx/ge_all.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

TEST(GeVector, AngleToWithReferenceRunsCounterClockwiseAboutIt)
{
    const ZcGeVector3d x = ZcGeVector3d::kXAxis, y = ZcGeVector3d::kYAxis;
    EXPECT_NEAR(x.angleTo(y), kPi / 2, 1e-15);
    EXPECT_NEAR(y.angleTo(x), kPi / 2, 1e-15);
    EXPECT_NEAR(x.angleTo(y, ZcGeVector3d::kZAxis), kPi / 2, 1e-15);
    EXPECT_NEAR(x.angleTo(y, -ZcGeVector3d::kZAxis), 3 * kPi / 2, 1e-15);
    EXPECT_NEAR(x.angleTo(-x), kPi, 1e-15);
    // Nearly parallel vectors keep their small angle (acos would lose it).
    EXPECT_NEAR(x.angleTo(ZcGeVector3d(1, 1e-9, 0)), 1e-9, 1e-20);
}

TEST(GeVector, DirectionTestsHonourTheToleranceAndRejectZeroVectors)
{
    const ZcGeVector3d v(1, 2, 3);
    EXPECT_TRUE(v.isParallelTo(v * -4));
    EXPECT_TRUE(v.isCodirectionalTo(v * 4));
    EXPECT_FALSE(v.isCodirectionalTo(-v));
    EXPECT_FALSE(v.isParallelTo(ZcGeVector3d::kIdentity));
    EXPECT_TRUE(ZcGeVector3d(1, 0, 0).isPerpendicularTo(ZcGeVector3d(0, 0, 5)));
    EXPECT_FALSE(ZcGeVector3d(1, 0, 0).isParallelTo(ZcGeVector3d(1, 1e-8, 0)));

    const ZcGeTol saved = ZcGeContext::gTol;
    ZcGeContext::gTol.setEqualVector(1e-6);
    EXPECT_TRUE(ZcGeVector3d(1, 0, 0).isParallelTo(ZcGeVector3d(1, 1e-8, 0)));
    ZcGeContext::gTol = saved;
    EXPECT_DOUBLE_EQ(ZcGeContext::gTol.equalPoint(), 1e-10);
    EXPECT_DOUBLE_EQ(ZcGeContext::gTol.equalVector(), 1e-10);
}

TEST(GeVector, PointEqualityUsesEqualPoint)
{
    const ZcGePoint3d p(1, 2, 3);
    EXPECT_TRUE(p == ZcGePoint3d(1, 2, 3 + 5e-11));
    EXPECT_FALSE(p == ZcGePoint3d(1, 2, 3 + 5e-10));
    ZcGeTol loose;
    loose.setEqualPoint(1e-3);
    EXPECT_TRUE(p.isEqualTo(ZcGePoint3d(1, 2, 3.0005), loose));
}

TEST(GeVector, PerpVectorFollowsTheArbitraryAxisRule)
{
    EXPECT_TRUE(near(ZcGeVector3d::kZAxis.perpVector(), ZcGeVector3d(1, 0, 0)));
    EXPECT_TRUE(near(ZcGeVector3d::kXAxis.perpVector(), ZcGeVector3d(0, 1, 0)));
    EXPECT_TRUE(near((-ZcGeVector3d::kZAxis).perpVector(), ZcGeVector3d(-1, 0, 0)));
    const ZcGeVector3d n(0.3, -0.4, 2);
    EXPECT_TRUE(n.perpVector().isPerpendicularTo(n));
    EXPECT_TRUE(n.perpVector().isUnitLength());
}

TEST(GeVector, RotationAndMirrorKeepLengths)
{
    ZcGeVector3d v(1, 0, 0);
    v.rotateBy(kPi / 2, ZcGeVector3d(0, 0, 2));
    EXPECT_TRUE(near(v, ZcGeVector3d(0, 1, 0)));
    ZcGePoint3d p(2, 0, 5);
    p.rotateBy(kPi, ZcGeVector3d::kZAxis, ZcGePoint3d(1, 0, 0));
    EXPECT_TRUE(near(p, ZcGePoint3d(0, 0, 5)));
    EXPECT_TRUE(near(ZcGeVector3d(1, 2, 3).mirror(ZcGeVector3d::kZAxis), ZcGeVector3d(1, 2, -3)));
    EXPECT_NEAR(ZcGeVector2d(-1, -1).angle(), 5 * kPi / 4, 1e-15);
}

TEST(GePlane, CoefficientsProjectionAndFrame)
{
    const ZcGePlane plane(ZcGePoint3d(0, 0, 2), ZcGeVector3d(0, 0, 3));
    double a, b, c, d;
    plane.getCoefficients(a, b, c, d);
    EXPECT_DOUBLE_EQ(c, 1.0);
    EXPECT_DOUBLE_EQ(d, -2.0);
    EXPECT_TRUE(near(plane.closestPointTo(ZcGePoint3d(4, 5, -1)), ZcGePoint3d(4, 5, 2)));
    EXPECT_DOUBLE_EQ(plane.signedDistanceTo(ZcGePoint3d(0, 0, -1)), -3.0);
    EXPECT_TRUE(plane.isOn(ZcGePoint3d(7, -8, 2)));

    const ZcGePlane tilted(ZcGePoint3d(1, 2, 3), ZcGeVector3d(1, 1, 1));
    const ZcGePoint3d q(4, -2, 9);
    const ZcGePoint3d back(tilted, q.convert2d(tilted));
    EXPECT_TRUE(near(back, tilted.closestPointTo(q)));
}

TEST(GePlane, TwoPlanesMeetInALine)
{
    ZcGePoint3d p;
    ZcGeVector3d dir;
    ASSERT_TRUE(ZcGePlane(ZcGePoint3d(0, 0, 1), ZcGeVector3d::kZAxis)
                    .intersectWith(ZcGePlane(ZcGePoint3d(2, 0, 0), ZcGeVector3d::kXAxis), p, dir));
    EXPECT_TRUE(dir.isParallelTo(ZcGeVector3d::kYAxis));
    EXPECT_NEAR(p.x, 2.0, 1e-12);
    EXPECT_NEAR(p.z, 1.0, 1e-12);
    EXPECT_FALSE(ZcGePlane::kXYPlane.intersectWith(ZcGePlane(ZcGePoint3d(0, 0, 5), ZcGeVector3d::kZAxis), p, dir));
}

}  // namespace
