// Where the web of a stiffener lies, and moving a stiffener.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "TrevanCom2002.h"

namespace {

CStiffData onXAxis(const char* form, const char* sides = "R,R")
{
    CStiffData s;
    s.m_ptEnd.set(100, 0, 0);
    s.m_strFType = form;
    s.m_rWebThick = 10;
    s.m_strItanige = sides;
    return s;
}

void expectY(const ZcGePoint3d& s, const ZcGePoint3d& e, double y)
{
    EXPECT_NEAR(s.x, 0, 1e-9);
    EXPECT_NEAR(e.x, 100, 1e-9);
    EXPECT_NEAR(s.y, y, 1e-9);
    EXPECT_NEAR(e.y, y, 1e-9);
}

TEST(StiffWeb, AnHSectionIsDrawnOnItsWebCentre)
{
    CStiffData s = onXAxis("LONG_H");
    ZcGeVector3d v = s.getStiffItanigeVec();
    EXPECT_NEAR(v.x, 0, 1e-12);
    EXPECT_NEAR(v.y, -1, 1e-12);
    ZcGePoint3d a, b;
    s.getWebMoldPt(a, b);
    expectY(a, b, 5);
    s.getWebItanigePt(a, b);
    expectY(a, b, -5);
    s.getWebCenterPt(a, b);
    expectY(a, b, 0);
}

TEST(StiffWeb, AFlatBarIsDrawnOnItsMouldFace)
{
    CStiffData s = onXAxis("LONG_F");
    ZcGePoint3d a, b;
    s.getWebMoldPt(a, b);
    expectY(a, b, 0);
    s.getWebItanigePt(a, b);
    expectY(a, b, -10);
    s.getWebCenterPt(a, b);
    expectY(a, b, -5);
}

TEST(StiffWeb, OnlyAnExactRPointsRight)
{
    EXPECT_NEAR(onXAxis("LONG_A", "L,R").getStiffItanigeVec().y, 1, 1e-12);
    EXPECT_NEAR(onXAxis("LONG_A", "").getStiffItanigeVec().y, 1, 1e-12);
    EXPECT_NEAR(onXAxis("LONG_A", "r,r").getStiffItanigeVec().y, 1, 1e-12);
    CStiffData i = onXAxis("long_i", "L");
    ZcGePoint3d a, b;
    i.getWebMoldPt(a, b);
    expectY(a, b, -5);
}

TEST(StiffWeb, TheRecordsNormalPlaysNoPart)
{
    CStiffData s = onXAxis("LONG_A");
    s.m_ptEnd.set(0, 50, 30);
    s.m_rNormVecX = 1;
    s.m_rNormVecZ = 0;
    ZcGeVector3d v = s.getStiffItanigeVec();
    EXPECT_NEAR(v.length(), 1, 1e-12);
    // Turned about world Z, so the rise along Z stays in the vector.
    EXPECT_NEAR(v.x, 50 / std::hypot(50.0, 30.0), 1e-12);
    EXPECT_NEAR(v.z, 30 / std::hypot(50.0, 30.0), 1e-12);
}

TEST(StiffWeb, TheCentreLineFollowsTheShapeLetter)
{
    ZcGePoint3d a, b;
    ASSERT_TRUE(TrevanCom_GetWebCenterLine(onXAxis("LONG_H"), a, b));
    expectY(a, b, 0);
    ASSERT_TRUE(TrevanCom_GetWebCenterLine(onXAxis("BUILT_i"), a, b));
    expectY(a, b, 0);
    ASSERT_TRUE(TrevanCom_GetWebCenterLine(onXAxis("LONG_A", "L,R"), a, b));
    expectY(a, b, 5);
    CStiffData none;
    EXPECT_FALSE(TrevanCom_GetWebCenterLine(none, a, b));
}

TEST(StiffMove, TransformMovesTheLineOnly)
{
    CStiffData s = onXAxis("LONG_A");
    s.transformBy(ZcGeMatrix3d::rotation(std::numbers::pi / 2, ZcGeVector3d::kXAxis));
    EXPECT_NEAR(s.m_ptEnd.x, 100, 1e-9);
    s.transformBy(ZcGeMatrix3d::rotation(std::numbers::pi / 2, ZcGeVector3d::kZAxis));
    EXPECT_NEAR(s.m_ptEnd.y, 100, 1e-9);
    EXPECT_NEAR(s.m_ptEnd.x, 0, 1e-9);
    EXPECT_EQ(s.m_rNormVecZ, 1.0);
    EXPECT_EQ(s.m_rNormVecX, 0.0);
}

}  // namespace
