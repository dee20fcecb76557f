// The side string "itanige,flange" and the attachment string "axis,angle" of a stiffener.
#include <gtest/gtest.h>

#include "TrevanCom2002.h"

namespace {

CStiffData withSides(const char* sides)
{
    CStiffData s;
    s.m_strItanige = sides;
    return s;
}

CStiffData withAttachment(const char* res2)
{
    CStiffData s;
    s.m_strRes2 = res2;
    return s;
}

TEST(StiffSides, ADefaultRecordIsRightOnBothSidesWithNoAttachment)
{
    CStiffData s;
    EXPECT_EQ(s.getStiffItanigeAxis(), "R");
    EXPECT_EQ(s.getStifffFlangeAxis(), "R");
    EXPECT_EQ(s.getToritsukeAxis(), "");
    EXPECT_EQ(s.getToritsukeAngle(), 0.0);
    EXPECT_FALSE(s.isFlange());
}

TEST(StiffSides, AnEmptySideStringHasEmptySides)
{
    CStiffData s = withSides("");
    EXPECT_EQ(s.getStiffItanigeAxis(), "");
    EXPECT_EQ(s.getStifffFlangeAxis(), "");
}

TEST(StiffSides, ALoneSideServesForBoth)
{
    CStiffData s = withSides("L");
    EXPECT_EQ(s.getStiffItanigeAxis(), "L");
    EXPECT_EQ(s.getStifffFlangeAxis(), "L");
    s.setStifffFlangeAxis("r");
    EXPECT_EQ(s.m_strItanige, "L,R");
}

TEST(StiffSides, SettersWriteOnlyROrL)
{
    CStiffData s = withSides("L,L");
    s.setStiffItanigeAxis("x");
    EXPECT_EQ(s.m_strItanige, "R,L");
    s.setStiffItanigeAxis("l");
    EXPECT_EQ(s.m_strItanige, "L,L");
    CStiffData lone = withSides("R");
    lone.setStiffItanigeAxis("L");
    EXPECT_EQ(lone.m_strItanige, "L,L");
    CStiffData empty = withSides("");
    empty.setStifffFlangeAxis("L");
    EXPECT_EQ(empty.m_strItanige, ",L");
}

TEST(StiffAttachment, ABlankAxisWithZeroAngle)
{
    CStiffData s = withAttachment(" ,0.0");
    EXPECT_EQ(s.getToritsukeAxis(), " ");
    EXPECT_EQ(s.getToritsukeAngle(), 0.0);
}

TEST(StiffAttachment, ALoneNumberIsAnAngle)
{
    CStiffData s = withAttachment("12.5");
    EXPECT_EQ(s.getToritsukeAxis(), "");
    EXPECT_EQ(s.getToritsukeAngle(), 12.5);
    s.setToritsukeAngle(3);
    EXPECT_EQ(s.m_strRes2, "12.5,3.0000");
    CStiffData zero = withAttachment("0");
    zero.setToritsukeAngle(3);
    EXPECT_EQ(zero.m_strRes2, " ,3.0000");
}

TEST(StiffAttachment, TheAxisNeedsAnAngleWrittenFirst)
{
    CStiffData axisFirst;
    axisFirst.setToritsukeAxis("FR");
    EXPECT_EQ(axisFirst.m_strRes2, " ,0.0");
    CStiffData angleFirst;
    angleFirst.setToritsukeAngle(-15.25);
    EXPECT_EQ(angleFirst.m_strRes2, " ,-15.2500");
    angleFirst.setToritsukeAxis("FR");
    EXPECT_EQ(angleFirst.m_strRes2, "FR,-15.2500");
    angleFirst.setToritsukeAxis("");
    EXPECT_EQ(angleFirst.m_strRes2, " ,0.0");
}

TEST(StiffAttachment, SettingTheAngleKeepsTheAxis)
{
    CStiffData s = withAttachment("WL,10");
    s.setToritsukeAngle(22.5);
    EXPECT_EQ(s.m_strRes2, "WL,22.5000");
    EXPECT_EQ(s.getToritsukeAxis(), "WL");
}

TEST(StiffAttachment, ReversingSwapsSidesAndTurnsTheAngleOver)
{
    CStiffData s = withSides("R,L");
    s.m_strRes2 = "FR,30";
    s.reverseAxis();
    EXPECT_EQ(s.m_strItanige, "L,R");
    EXPECT_EQ(s.m_strRes2, "FR,-30.0000");
    CStiffData odd = withSides("r,?");
    odd.reverseAxis();
    EXPECT_EQ(odd.m_strItanige, "L,R");
}

}  // namespace
