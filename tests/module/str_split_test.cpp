// Comma lists cut into pieces, quotes and all.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TrevanCom2002.h"

namespace {

std::vector<std::string> split(const char* text, const char* sep = ",", int noCase = 1)
{
    CStringArray arr;
    TrevanComARX_MakeStrArray(text, sep, arr, noCase);
    std::vector<std::string> out;
    for (INT_PTR i = 0; i < arr.GetSize(); ++i) out.push_back(arr[i].str());
    return out;
}

using V = std::vector<std::string>;

TEST(StrSplit, CommasInsideQuotesStillSplit)
{
    EXPECT_EQ(split("1,\"2,3\",4"), (V{"1", "\"2", "3\"", "4"}));
}

TEST(StrSplit, ThereIsAlwaysAtLeastOnePiece)
{
    EXPECT_EQ(split(""), (V{""}));
    EXPECT_EQ(split("L"), (V{"L"}));
    EXPECT_EQ(split("L,"), (V{"L", ""}));
    EXPECT_EQ(split(",,"), (V{"", "", ""}));
}

TEST(StrSplit, EnclosingQuotesAreDropped)
{
    EXPECT_EQ(split("\"STIFF\",\"\",\",x"), (V{"STIFF", "", "", "x"}));
    EXPECT_EQ(split("a,\""), (V{"a", ""}));
    // An opening pair left open at the end is an empty last field, not text.
    EXPECT_EQ(split("a,\"\"bc"), (V{"a", ""}));
    EXPECT_EQ(split("\"\"bc,a"), (V{"\"\"bc", "a"}));
    EXPECT_EQ(split("\"ab\"c\""), (V{"ab\"c"}));
}

TEST(StrSplit, PiecesAreAppendedNotReplaced)
{
    CStringArray arr;
    arr.Add("kept");
    int noCase = 0;
    TrevanComARX_MakeStrArray("a,b", ",", arr, noCase);
    ASSERT_EQ(arr.GetSize(), 3);
    EXPECT_EQ(arr[0], "kept");
    EXPECT_EQ(arr[2], "b");
}

TEST(StrSplit, CaseOfTheSeparatorMattersOnlyWhenAsked)
{
    EXPECT_EQ(split("aXbxc", "x", 1), (V{"a", "b", "c"}));
    EXPECT_EQ(split("aXbxc", "x", 0), (V{"aXb", "c"}));
}

}  // namespace
