// Values in text and typed lists: numbers as their shortest text, comma lists cut into
// pieces, and typed items read with -1 and an untouched destination on a mismatch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TrevanCom2002.h"

namespace {

TEST(NumberText, SixDecimalsThenTrailingZerosAndABarePointGo)
{
    for (const auto& [value, text] : {std::pair{1.5, "1.5"}, {100.0, "100"}, {0.000001, "0.000001"}, {-12.50, "-12.5"},
                                      {0.1234564, "0.123456"}, {2.0000004, "2"}})
        EXPECT_EQ(TrevanComARX_ChangeDoubleToString(value), text) << value;
}

TEST(StrSplit, PiecesAreCutAtEverySeparatorQuotesAndAll)
{
    struct Case {
        const char* text;
        const char* sep;
        int noCase;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        // Commas inside quotes still split.
        {"1,\"2,3\",4", ",", 1, {"1", "\"2", "3\"", "4"}},
        {"", ",", 1, {""}},
        {"L,", ",", 1, {"L", ""}},
        {",,", ",", 1, {"", "", ""}},
        // Enclosing quotes are dropped; an opening pair left open at the end is an empty field.
        {"\"STIFF\",\"\",\",x", ",", 1, {"STIFF", "", "", "x"}},
        {"a,\"\"bc", ",", 1, {"a", ""}},
        {"\"\"bc,a", ",", 1, {"\"\"bc", "a"}},
        {"\"ab\"c\"", ",", 1, {"ab\"c"}},
        {"aXbxc", "x", 1, {"a", "b", "c"}},
        {"aXbxc", "x", 0, {"aXb", "c"}},
    };
    for (const Case& c : cases) {
        CStringArray arr;
        arr.Add("kept");
        int noCase = c.noCase;
        TrevanComARX_MakeStrArray(c.text, c.sep, arr, noCase);
        // Appended to what the array held.
        std::vector<std::string> pieces, expected{"kept"};
        for (INT_PTR i = 0; i < arr.GetSize(); ++i) pieces.push_back(arr[i].str());
        expected.insert(expected.end(), c.pieces.begin(), c.pieces.end());
        EXPECT_EQ(pieces, expected) << c.text;
    }
}

struct Chain {
    explicit Chain(resbuf* r) : rb(r) {}
    ~Chain() { zcutRelRb(rb); }
    resbuf* rb;
};

TEST(RbReaders, IntegersWidenWithTheirSign)
{
    Chain c(zcutBuildList(RTSHORT, -1, RTSHORT, -32768, 0));
    int n = 0;
    double d = 0;
    ASSERT_EQ(TrevanComARX_RbGetInt(c.rb, n), 1);
    ASSERT_EQ(TrevanComARX_RbGetIntAsReal(c.rb->rbnext, d), 1);
    EXPECT_EQ(n, -1);
    EXPECT_EQ(d, -32768.0);
}

TEST(RbReaders, AnotherTypeOrNoItemLeavesTheDestinationAlone)
{
    Chain c(zcutBuildList(RTREAL, 2.5, 0));
    Chain picked(zcutNewRb(RTENAME));
    picked.rb->resval.rlname[0] = 11;
    int n = 42;
    double d = 7;
    CString s = "old";
    ZcGePoint3d p(1, 2, 3);
    ads_name e = {5, 6};
    // An entity name is no selection set.
    EXPECT_EQ((std::vector<int>{TrevanComARX_RbGetInt(c.rb, n), TrevanComARX_RbGetIntAsReal(c.rb, d),
                                TrevanComARX_RbGetStr(c.rb, s), TrevanComARX_RbGetPoint(c.rb, p),
                                TrevanComARX_RbIsListBegin(c.rb), TrevanComARX_RbGetReal(nullptr, d),
                                TrevanComARX_RbGetEntName(nullptr, e), TrevanComARX_RbIsListEnd(nullptr),
                                TrevanComARX_RbGetPickSet(picked.rb, e)}),
              std::vector<int>(9, -1));
    EXPECT_EQ(n, 42);
    EXPECT_EQ(d, 7);
    EXPECT_EQ(s, "old");
    EXPECT_EQ(p, ZcGePoint3d(1, 2, 3));
    EXPECT_EQ(e[0], 5);
    EXPECT_EQ(TrevanComARX_RbGetEntName(picked.rb, e), 1);
    EXPECT_EQ(e[0], 11);
}

}  // namespace
