// The spline entity: fitting, measuring, splitting and meeting other entities.
#include <cmath>
#include <numbers>

#include "owned_entities.h"
#include "support/host_fixture.h"

namespace {

using SplineEntity = HostTest;

ZcGePoint3dArray wave()
{
    return {ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 5, 0), ZcGePoint3d(20, -5, 0), ZcGePoint3d(30, 0, 0)};
}

TEST_F(SplineEntity, FittedThroughEveryPointAndKeepsThem)
{
    ZcDbSpline s(wave());
    ASSERT_FALSE(s.isNull());
    EXPECT_TRUE(s.hasFitData());
    EXPECT_EQ(s.degree(), 3);
    for (const ZcGePoint3d& p : wave()) {
        ZcGePoint3d on;
        ASSERT_EQ(s.getClosestPointTo(p, on), Zcad::eOk);
        EXPECT_LT(on.distanceTo(p), 1e-8);
        double t = 0.0;
        EXPECT_EQ(s.getParamAtPoint(p, t), Zcad::eOk);
    }
    ZcGePoint3d fit;
    ASSERT_EQ(s.getFitPointAt(2, fit), Zcad::eOk);
    EXPECT_TRUE(fit.isEqualTo(ZcGePoint3d(20, -5, 0)));
    EXPECT_STREQ(s.isA()->name(), "AcDbSpline");
    EXPECT_STREQ(s.isA()->dxfName(), "SPLINE");
}

TEST_F(SplineEntity, MovingAControlPointDropsTheFitData)
{
    ZcDbSpline s(wave());
    ZcGePoint3d cp;
    ASSERT_EQ(s.getControlPointAt(1, cp), Zcad::eOk);
    ASSERT_EQ(s.setControlPointAt(1, cp + ZcGeVector3d(0, 1, 0)), Zcad::eOk);
    EXPECT_FALSE(s.hasFitData());
    ZcGePoint3dArray fits;
    int degree = 0;
    double tol = 0.0;
    bool tangents = false;
    ZcGeVector3d a, b;
    EXPECT_EQ(s.getFitData(fits, degree, tol, tangents, a, b), Zcad::eNotApplicable);
}

TEST_F(SplineEntity, PiecesOfASplitAddUpToTheWhole)
{
    ZcDbSpline s(wave());
    double start = 0.0, end = 0.0, whole = 0.0;
    s.getStartParam(start);
    s.getEndParam(end);
    s.getDistAtParam(end, whole);
    ZcGeDoubleArray at{start + (end - start) * 0.3, start + (end - start) * 0.7};
    OwnedEntities pieces;
    ASSERT_EQ(s.getSplitCurves(at, pieces.items), Zcad::eOk);
    ASSERT_EQ(pieces.items.length(), 3);
    double sum = 0.0;
    ZcGePoint3d previousEnd;
    s.getStartPoint(previousEnd);
    for (int i = 0; i < 3; ++i) {
        auto* piece = ZcDbSpline::cast(pieces.at(i));
        ASSERT_NE(piece, nullptr);
        ZcGePoint3d a, b;
        piece->getStartPoint(a);
        piece->getEndPoint(b);
        EXPECT_LT(a.distanceTo(previousEnd), 1e-8);
        previousEnd = b;
        double e = 0.0, len = 0.0;
        piece->getEndParam(e);
        piece->getDistAtParam(e, len);
        sum += len;
    }
    EXPECT_NEAR(sum, whole, 1e-6);
}

TEST_F(SplineEntity, MeetsALineOnlyWhereBothAreUnlessExtended)
{
    ZcDbSpline s(wave());
    ZcDbLine crossing({15, -20, 0}, {15, 20, 0});
    ZcGePoint3dArray pts;
    ASSERT_EQ(s.intersectWith(&crossing, ZcDb::kOnBothOperands, pts), Zcad::eOk);
    ASSERT_EQ(pts.length(), 1);
    EXPECT_NEAR(pts[0].x, 15.0, 1e-8);

    ZcDbLine beyond({40, -20, 0}, {40, 20, 0});
    pts.removeAll();
    ASSERT_EQ(beyond.intersectWith(&s, ZcDb::kOnBothOperands, pts), Zcad::eOk);
    EXPECT_TRUE(pts.isEmpty());
    ASSERT_EQ(beyond.intersectWith(&s, ZcDb::kExtendArg, pts), Zcad::eOk);
    ASSERT_EQ(pts.length(), 1);  // along the end tangent of the spline
    EXPECT_NEAR(pts[0].x, 40.0, 1e-8);
}

TEST_F(SplineEntity, MeetsACurveAtAnotherElevationInPlan)
{
    ZcDbSpline s(wave());
    ZcDbArc high({15, 0, 80}, 4.0, 0.0, std::numbers::pi);
    ZcGePoint3dArray pts;
    ASSERT_EQ(s.intersectWith(&high, ZcDb::kOnBothOperands, pts), Zcad::eOk);
    EXPECT_TRUE(pts.isEmpty());
    ASSERT_EQ(high.intersectWith(&s, ZcDb::kOnBothOperands, ZcGePlane::kXYPlane, pts), Zcad::eOk);
    ASSERT_EQ(pts.length(), 1);
    EXPECT_NEAR(pts[0].z, 80.0, 1e-9);
    EXPECT_NEAR(pts[0].distanceTo(ZcGePoint3d(15, 0, 80)), 4.0, 1e-8);
}

TEST_F(SplineEntity, TransformedFitPointsFollow)
{
    ZcDbSpline s(wave());
    ASSERT_EQ(s.transformBy(ZcGeMatrix3d::translation(ZcGeVector3d(0, 0, 12))), Zcad::eOk);
    ZcGePoint3d fit;
    ASSERT_EQ(s.getFitPointAt(3, fit), Zcad::eOk);
    EXPECT_TRUE(fit.isEqualTo(ZcGePoint3d(30, 0, 12)));
    ZcDbExtents ext;
    ASSERT_EQ(s.getGeomExtents(ext), Zcad::eOk);
    EXPECT_NEAR(ext.minPoint().z, 12.0, 1e-9);
    EXPECT_NEAR(ext.maxPoint().x, 30.0, 1e-6);
}

TEST_F(SplineEntity, ASplineWithoutDataAnswersErrors)
{
    ZcDbSpline s;
    EXPECT_TRUE(s.isNull());
    double p = 0.0;
    EXPECT_NE(s.getStartParam(p), Zcad::eOk);
    ZcGePoint3dArray tooFew{ZcGePoint3d(0, 0, 0)};
    ZcDbSpline one(tooFew);
    EXPECT_TRUE(one.isNull());
    ZcDbExtents ext;
    EXPECT_EQ(one.getGeomExtents(ext), Zcad::eInvalidExtents);
}

}  // namespace
