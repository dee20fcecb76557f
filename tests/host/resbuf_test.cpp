// Result-buffer chains as plug-ins build and read them.
#include <gtest/gtest.h>

#include "zrx.h"

namespace {

TEST(ResultBuffers, BuildListTakesEachKindOfValue)
{
    ads_point p = {1.0, 2.0, 3.0};
    resbuf* rb = zcutBuildList(RTSTR, "船", RTREAL, 1.5, RTSHORT, 70000, RT3DPOINT, p, RTPOINT, p, RTLB, RTLONG,
                               123456, RTLE, 0);
    ASSERT_NE(rb, nullptr);
    resbuf* r = rb;
    EXPECT_EQ(r->restype, RTSTR);
    EXPECT_STREQ(r->resval.rstring, "船");
    r = r->rbnext;
    EXPECT_DOUBLE_EQ(r->resval.rreal, 1.5);
    r = r->rbnext;
    EXPECT_EQ(r->resval.rint, static_cast<short>(70000));  // 16-bit, as the platform keeps it
    r = r->rbnext;
    EXPECT_DOUBLE_EQ(r->resval.rpoint[2], 3.0);
    r = r->rbnext;
    EXPECT_DOUBLE_EQ(r->resval.rpoint[2], 0.0);  // a 2D point has no Z
    r = r->rbnext;
    EXPECT_EQ(r->restype, RTLB);
    r = r->rbnext;
    EXPECT_EQ(r->resval.rlong, 123456);
    r = r->rbnext;
    EXPECT_EQ(r->restype, RTLE);
    EXPECT_EQ(r->rbnext, nullptr);
    EXPECT_EQ(zcutRelRb(rb), RTNORM);
}

TEST(ResultBuffers, DxfCodesDecideTheValueKind)
{
    EXPECT_EQ(zcutRbValueKind(1000), ZcRbValueKind::kString);
    EXPECT_EQ(zcutRbValueKind(1010), ZcRbValueKind::kPoint);
    EXPECT_EQ(zcutRbValueKind(1040), ZcRbValueKind::kReal);
    EXPECT_EQ(zcutRbValueKind(1070), ZcRbValueKind::kShort);
    EXPECT_EQ(zcutRbValueKind(1071), ZcRbValueKind::kLong);
    EXPECT_EQ(zcutRbValueKind(1004), ZcRbValueKind::kBinary);
    EXPECT_EQ(zcutRbValueKind(-1), ZcRbValueKind::kName);
    EXPECT_EQ(zcutRbValueKind(8), ZcRbValueKind::kString);
    EXPECT_EQ(zcutRbValueKind(62), ZcRbValueKind::kShort);
}

TEST(ResultBuffers, ACopyOwnsItsStrings)
{
    resbuf* rb = zcutBuildList(1001, "STIFF", 1000, "L-100", 0);
    resbuf* copy = zcutDuplicateRb(rb);
    rb->rbnext->resval.rstring[0] = 'X';
    EXPECT_STREQ(copy->rbnext->resval.rstring, "L-100");
    zcutRelRb(rb);
    zcutRelRb(copy);
}

TEST(ResultBuffers, BuildListEndsAtRtnoneAsAtZero)
{
    resbuf* rb = zcutBuildList(RTDXF0, "LINE", 8, "STIFF", RTNONE, RTSTR, "beyond", 0);
    ASSERT_NE(rb, nullptr);
    ASSERT_NE(rb->rbnext, nullptr);
    EXPECT_EQ(rb->rbnext->restype, 8);
    EXPECT_EQ(rb->rbnext->rbnext, nullptr);
    zcutRelRb(rb);
    EXPECT_EQ(zcutBuildList(RTNONE), nullptr);
}

TEST(ResultBuffers, UnknownTypeCodeGivesNoList)
{
    EXPECT_EQ(zcutBuildList(RTSTR, "a", 12345, 0), nullptr);
}

}  // namespace
