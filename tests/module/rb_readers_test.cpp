// Reading typed items: the value on a match, -1 and an untouched destination otherwise.
#include <gtest/gtest.h>

#include "TrevanCom2002.h"

namespace {

struct Chain {
    explicit Chain(resbuf* r) : rb(r) {}
    ~Chain() { zcutRelRb(rb); }
    resbuf* rb;
};

TEST(RbReaders, IntegersWidenWithTheirSign)
{
    Chain c(zcutBuildList(RTSHORT, -1, RTSHORT, -32768, 0));
    int n = 0;
    ASSERT_EQ(TrevanComARX_RbGetInt(c.rb, n), 1);
    EXPECT_EQ(n, -1);
    double d = 0;
    ASSERT_EQ(TrevanComARX_RbGetIntAsReal(c.rb->rbnext, d), 1);
    EXPECT_EQ(d, -32768.0);
}

TEST(RbReaders, AnotherTypeLeavesTheDestinationAlone)
{
    Chain c(zcutBuildList(RTREAL, 2.5, 0));
    int n = 42;
    EXPECT_EQ(TrevanComARX_RbGetInt(c.rb, n), -1);
    EXPECT_EQ(n, 42);
    double d = 7;
    EXPECT_EQ(TrevanComARX_RbGetIntAsReal(c.rb, d), -1);
    EXPECT_EQ(d, 7);
    CString s = "old";
    EXPECT_EQ(TrevanComARX_RbGetStr(c.rb, s), -1);
    EXPECT_EQ(s, "old");
    ZcGePoint3d p(1, 2, 3);
    EXPECT_EQ(TrevanComARX_RbGetPoint(c.rb, p), -1);
    EXPECT_EQ(p, ZcGePoint3d(1, 2, 3));
    EXPECT_EQ(TrevanComARX_RbIsListBegin(c.rb), -1);
}

TEST(RbReaders, AMissingItemIsNotAValue)
{
    double d = 3;
    EXPECT_EQ(TrevanComARX_RbGetReal(nullptr, d), -1);
    EXPECT_EQ(d, 3);
    ads_name e = {5, 6};
    EXPECT_EQ(TrevanComARX_RbGetEntName(nullptr, e), -1);
    EXPECT_EQ(e[0], 5);
    EXPECT_EQ(TrevanComARX_RbIsListEnd(nullptr), -1);
}

TEST(RbReaders, EntityAndSelectionNamesAreToldApart)
{
    Chain c(zcutNewRb(RTENAME));
    c.rb->resval.rlname[0] = 11;
    c.rb->resval.rlname[1] = 22;
    ads_name n = {0, 0};
    EXPECT_EQ(TrevanComARX_RbGetPickSet(c.rb, n), -1);
    EXPECT_EQ(n[0], 0);
    EXPECT_EQ(TrevanComARX_RbGetEntName(c.rb, n), 1);
    EXPECT_EQ(n[0], 11);
    EXPECT_EQ(n[1], 22);
}

}  // namespace
