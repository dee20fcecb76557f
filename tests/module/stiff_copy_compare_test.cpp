// Copies of a stiffener record and the comparison of sections.
#include <gtest/gtest.h>

#include "TrevanCom2002.h"

namespace {

CStiffData sample()
{
    CStiffData s;
    s.m_ptStart.set(10, 20, 0);
    s.m_ptEnd.set(510, 20, 0);
    s.m_strFType = "LONG_A";
    s.m_strName = "L 150x90x9";
    s.m_rWebWidth = 150;
    s.m_rWebThick = 9;
    s.m_strItanige = "L,R";
    s.m_strMaterial = "AH36";
    s.m_nNewRes2 = 7;
    s.m_rNormVecX = 1;
    s.m_rNormVecZ = 0;
    return s;
}

TEST(StiffCopy, AssigningFromAPointerKeepsTheEndPointsButTakesTheNormal)
{
    CStiffData target;
    target.m_ptStart.set(1, 2, 3);
    target.m_ptEnd.set(4, 5, 6);
    CStiffData src = sample();
    target = &src;
    EXPECT_EQ(target.m_ptStart, ZcGePoint3d(1, 2, 3));
    EXPECT_EQ(target.m_ptEnd, ZcGePoint3d(4, 5, 6));
    EXPECT_EQ(target.m_rNormVecX, 1.0);
    EXPECT_EQ(target.m_rNormVecZ, 0.0);
    EXPECT_EQ(target.m_strMaterial, "AH36");
    EXPECT_EQ(target.m_nNewRes2, 7);
}

TEST(StiffCopy, PropCopyKeepsPlaceAndPlane)
{
    CStiffData target;
    target.m_ptEnd.set(4, 5, 6);
    target.m_rNormVecY = 0.5;
    target.propCopy(sample());
    EXPECT_EQ(target.m_ptEnd, ZcGePoint3d(4, 5, 6));
    EXPECT_EQ(target.m_rNormVecX, 0.0);
    EXPECT_EQ(target.m_rNormVecY, 0.5);
    EXPECT_EQ(target.m_rNormVecZ, 1.0);
    EXPECT_EQ(target.m_strName, "L 150x90x9");
    EXPECT_EQ(target.m_strItanige, "L,R");
}

TEST(StiffSection, SizesWithinOneHundredThousandthAreTheSame)
{
    CStiffData a, b;
    b.m_rWebWidth = 0.00001;
    EXPECT_TRUE(a.isSameSection(b));
    a.m_rWebWidth = 100.0;
    b.m_rWebWidth = 100.000005;
    EXPECT_TRUE(a.isSameSection(b));
    b.m_rWebWidth = 100.0001;
    EXPECT_FALSE(a.isSameSection(b));
    b.m_rWebWidth = 100.0;
    b.m_rCornerR2 = 0.001;
    EXPECT_FALSE(a.isSameSection(b));
}

TEST(StiffSection, TypeAndFormIgnoreCaseNamesDoNotCount)
{
    CStiffData a = sample(), b = sample();
    a.m_strType = "stiff";
    b.m_strFType = "long_a";
    b.m_strName = "other";
    b.m_strMaterial = "SS400";
    b.m_ptEnd.set(0, 0, 0);
    EXPECT_TRUE(a.isSameSection(b));
    b.m_strFType = "LONG_F";
    EXPECT_FALSE(a.isSameSection(b));
}

TEST(StiffSection, AFlangeNeedsAFormOtherThanFlatBar)
{
    CStiffData s;
    s.m_strFType = "long_f";
    EXPECT_FALSE(s.isFlange());
    s.m_strFType = "LONG_A";
    EXPECT_TRUE(s.isFlange());
    s.m_rWebWidth = 250;
    EXPECT_EQ(s.getFlangeDist(), 250);
}

}  // namespace
