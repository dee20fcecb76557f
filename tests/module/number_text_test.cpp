// Numbers as the shortest text of their six-decimal form.
#include <gtest/gtest.h>

#include "TrevanCom2002.h"

namespace {

TEST(NumberText, TrailingZerosAndABarePointGo)
{
    EXPECT_EQ(TrevanComARX_ChangeDoubleToString(1.5), "1.5");
    EXPECT_EQ(TrevanComARX_ChangeDoubleToString(2.0), "2");
    EXPECT_EQ(TrevanComARX_ChangeDoubleToString(1.234567), "1.234567");
    EXPECT_EQ(TrevanComARX_ChangeDoubleToString(0.000001), "0.000001");
    EXPECT_EQ(TrevanComARX_ChangeDoubleToString(100.0), "100");
    EXPECT_EQ(TrevanComARX_ChangeDoubleToString(-12.50), "-12.5");
    // Six decimals first: what lies beyond them is rounded away.
    EXPECT_EQ(TrevanComARX_ChangeDoubleToString(0.1234564), "0.123456");
    EXPECT_EQ(TrevanComARX_ChangeDoubleToString(2.0000004), "2");
}

}  // namespace
