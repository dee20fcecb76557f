// Transforms: mirrors, rotations, coordinate-system alignment and the plane frames entity
// coordinates rely on.
#include "geom_expect.h"

#include "zrx/ge_all.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

TEST(GeMatrix, RotationAboutACentreAndItsInverse)
{
    const ZcGeMatrix3d r = ZcGeMatrix3d::rotation(kPi / 2, ZcGeVector3d::kZAxis, ZcGePoint3d(1, 1, 0));
    EXPECT_TRUE(near(r * ZcGePoint3d(2, 1, 3), ZcGePoint3d(1, 2, 3)));
    EXPECT_TRUE(near(r * ZcGeVector3d(1, 0, 0), ZcGeVector3d(0, 1, 0)));  // directions ignore the centre
    const ZcGeMatrix3d tilted = ZcGeMatrix3d::rotation(0.7, ZcGeVector3d(1, 2, 3), ZcGePoint3d(4, 5, 6));
    EXPECT_TRUE((tilted * tilted.inverse()).isEqualTo(ZcGeMatrix3d::kIdentity));
    EXPECT_TRUE((tilted * ZcGeMatrix3d::rotation(-0.7, ZcGeVector3d(1, 2, 3), ZcGePoint3d(4, 5, 6))).isEqualTo(ZcGeMatrix3d::kIdentity));
    EXPECT_NEAR(tilted.det(), 1.0, 1e-12);
    EXPECT_TRUE(tilted.isUniScaledOrtho());
}

TEST(GeMatrix, MirrorsReflectAndUndoThemselves)
{
    const ZcGePlane plane(ZcGePoint3d(1, 1, 1), ZcGeVector3d(1, 1, 0));
    const ZcGeMatrix3d m = ZcGeMatrix3d::mirroring(plane);
    const ZcGePoint3d p(3, 0, 7);
    const ZcGePoint3d image = m * p;
    EXPECT_NEAR(plane.signedDistanceTo(image), -plane.signedDistanceTo(p), 1e-12);
    EXPECT_TRUE(near(plane.closestPointTo(image), plane.closestPointTo(p)));
    EXPECT_TRUE((m * m).isEqualTo(ZcGeMatrix3d::kIdentity));
    EXPECT_NEAR(m.det(), -1.0, 1e-12);
    EXPECT_TRUE(m.isUniScaledOrtho());

    const ZcGeMatrix3d pm = ZcGeMatrix3d::mirroring(ZcGePoint3d(1, 2, 3));
    EXPECT_TRUE(near(pm * ZcGePoint3d(0, 0, 0), ZcGePoint3d(2, 4, 6)));
}

TEST(GeMatrix, AlignCoordSysCarriesOneFrameOntoAnother)
{
    const ZcGePoint3d fromO(1, 2, 3), toO(-5, 0, 2);
    const ZcGeVector3d fx(0, 1, 0), fy(-1, 0, 0), fz(0, 0, 1);
    const ZcGeVector3d tx = ZcGeVector3d(1, 1, 0).normal(), ty = ZcGeVector3d(-1, 1, 0).normal(), tz(0, 0, 1);
    const ZcGeMatrix3d m = ZcGeMatrix3d::alignCoordSys(fromO, fx, fy, fz, toO, tx, ty, tz);
    EXPECT_TRUE(near(m * fromO, toO));
    EXPECT_TRUE(near(m * (fromO + fx * 2), toO + tx * 2));
    EXPECT_TRUE(near(m * fy, ty));
    const ZcGeMatrix3d back = ZcGeMatrix3d::alignCoordSys(toO, tx, ty, tz, fromO, fx, fy, fz);
    EXPECT_TRUE((back * m).isEqualTo(ZcGeMatrix3d::kIdentity));

    ZcGePoint3d o;
    ZcGeVector3d x, y, z;
    ZcGeMatrix3d().setCoordSystem(toO, tx, ty, tz).getCoordSystem(o, x, y, z);
    EXPECT_TRUE(near(o, toO));
    EXPECT_TRUE(near(y, ty));
}

TEST(GeMatrix, PlaneToWorldUsesTheArbitraryAxisRule)
{
    EXPECT_TRUE(ZcGeMatrix3d::planeToWorld(ZcGeVector3d::kZAxis).isEqualTo(ZcGeMatrix3d::kIdentity));
    // Far from Z the plane's X axis is Z × N.
    const ZcGeMatrix3d side = ZcGeMatrix3d::planeToWorld(ZcGeVector3d::kXAxis);
    EXPECT_TRUE(near(side * ZcGePoint3d(1, 0, 0), ZcGePoint3d(0, 1, 0)));
    EXPECT_TRUE(near(side * ZcGePoint3d(0, 1, 0), ZcGePoint3d(0, 0, 1)));
    // Within 1/64 of Z it is Y × N.
    const ZcGeVector3d nearZ(0.01, 0, 1);
    const ZcGeMatrix3d steep = ZcGeMatrix3d::planeToWorld(nearZ);
    EXPECT_TRUE(near(steep * ZcGeVector3d(1, 0, 0), ZcGeVector3d(1, 0, -0.01).normal()));
    EXPECT_TRUE((ZcGeMatrix3d::worldToPlane(nearZ) * steep).isEqualTo(ZcGeMatrix3d::kIdentity));

    const ZcGePlane plane(ZcGePoint3d(1, 2, 3), ZcGeVector3d(0, 1, 1));
    const ZcGeMatrix3d toWorld = ZcGeMatrix3d::planeToWorld(plane);
    EXPECT_TRUE(near(toWorld * ZcGePoint3d(2, -1, 0), plane.evalPoint(ZcGePoint2d(2, -1))));
    EXPECT_TRUE(near(ZcGeMatrix3d::worldToPlane(plane) * plane.evalPoint(ZcGePoint2d(2, -1)), ZcGePoint3d(2, -1, 0)));
}

TEST(GeMatrix, ScaleSingularityAndShape)
{
    const ZcGeMatrix3d s = ZcGeMatrix3d::scaling(2.0, ZcGePoint3d(1, 1, 1));
    EXPECT_TRUE(near(s * ZcGePoint3d(2, 1, 1), ZcGePoint3d(3, 1, 1)));
    EXPECT_DOUBLE_EQ(s.scale(), 2.0);
    EXPECT_TRUE(s.isUniScaledOrtho());
    EXPECT_NEAR(s.det(), 8.0, 1e-12);

    ZcGeMatrix3d stretch;
    stretch(1, 1) = 3.0;
    EXPECT_TRUE(stretch.isScaledOrtho());
    EXPECT_FALSE(stretch.isUniScaledOrtho());

    ZcGeMatrix3d flat = ZcGeMatrix3d::scaling(0.0);
    EXPECT_TRUE(flat.isSingular());
    const ZcGeMatrix3d before = flat;
    EXPECT_TRUE(flat.invert().isEqualTo(before));  // a singular matrix is left alone

    const ZcGeMatrix3d t = ZcGeMatrix3d::translation(ZcGeVector3d(1, 2, 3));
    EXPECT_TRUE(near(t.translation(), ZcGeVector3d(1, 2, 3)));
    EXPECT_TRUE(near(t.transpose()(3, 0) * ZcGeVector3d::kXAxis, ZcGeVector3d(1, 0, 0)));
    ZcGeMatrix3d order = ZcGeMatrix3d::rotation(kPi / 2, ZcGeVector3d::kZAxis);
    order.postMultBy(t);  // translate first, then rotate
    EXPECT_TRUE(near(order * ZcGePoint3d::kOrigin, ZcGePoint3d(-2, 1, 3)));
}

}  // namespace
