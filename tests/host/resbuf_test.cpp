// Result-buffer chains as plug-ins build and read them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "zrx.h"
#include "zrxhost/resbuf_kind.h"

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
    EXPECT_EQ(zrxhost::rbValueKind(1000), zrxhost::RbValueKind::kString);
    EXPECT_EQ(zrxhost::rbValueKind(1010), zrxhost::RbValueKind::kPoint);
    EXPECT_EQ(zrxhost::rbValueKind(1040), zrxhost::RbValueKind::kReal);
    EXPECT_EQ(zrxhost::rbValueKind(1070), zrxhost::RbValueKind::kShort);
    EXPECT_EQ(zrxhost::rbValueKind(1071), zrxhost::RbValueKind::kLong);
    EXPECT_EQ(zrxhost::rbValueKind(1004), zrxhost::RbValueKind::kBinary);
    EXPECT_EQ(zrxhost::rbValueKind(-1), zrxhost::RbValueKind::kName);
    EXPECT_EQ(zrxhost::rbValueKind(8), zrxhost::RbValueKind::kString);
    EXPECT_EQ(zrxhost::rbValueKind(62), zrxhost::RbValueKind::kShort);
    // Result codes, and codes outside every range.
    EXPECT_EQ(zrxhost::rbValueKind(RTSTR), zrxhost::RbValueKind::kString);
    EXPECT_EQ(zrxhost::rbValueKind(RT3DPOINT), zrxhost::RbValueKind::kPoint);
    EXPECT_EQ(zrxhost::rbValueKind(RTINT64), zrxhost::RbValueKind::kInt64);
    EXPECT_EQ(zrxhost::rbValueKind(RTNORM), zrxhost::RbValueKind::kNone);
    EXPECT_EQ(zrxhost::rbValueKind(1072), zrxhost::RbValueKind::kNone);
    EXPECT_EQ(zrxhost::rbValueKind(-11), zrxhost::RbValueKind::kNone);
}

TEST(ResultBuffers, ListsBuiltAfterOthersWereReleasedShareNothingWithEachOther)
{
    // Released buffers and strings are handed out again: each one to one list only.
    std::vector<resbuf*> lists;
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 40; ++i) {
            const std::string text(static_cast<size_t>(i * 7 % 90), static_cast<char>('a' + round));
            lists.push_back(zcutBuildList(RTSTR, text.c_str(), RTSHORT, i, RTSTR, "tail", 0));
        }
        for (size_t k = 0; k + 1 < lists.size(); k += 2) {
            zcutRelRb(lists[k]);
            lists[k] = nullptr;
        }
    }
    int checked = 0;
    for (size_t k = 0; k < lists.size(); ++k) {
        if (lists[k] == nullptr) continue;
        const int i = static_cast<int>(k % 40);
        const char letter = static_cast<char>('a' + k / 40);
        EXPECT_EQ(std::string(lists[k]->resval.rstring), std::string(static_cast<size_t>(i * 7 % 90), letter));
        EXPECT_EQ(lists[k]->rbnext->resval.rint, i);
        EXPECT_STREQ(lists[k]->rbnext->rbnext->resval.rstring, "tail");
        zcutRelRb(lists[k]);
        ++checked;
    }
    EXPECT_EQ(checked, 60);
}

TEST(ResultBuffers, StringsStayBlocksOfTheCHeap)
{
    // A caller may take a string out of a chain and free it, or hand one of its own in.
    resbuf* rb = zcutBuildList(1000, "taken", 1000, "replaced", 0);
    char* taken = rb->resval.rstring;
    rb->resval.rstring = nullptr;
    std::free(taken);
    std::free(rb->rbnext->resval.rstring);
    rb->rbnext->resval.rstring = static_cast<char*>(std::malloc(4000));
    std::memset(rb->rbnext->resval.rstring, 'x', 3999);
    rb->rbnext->resval.rstring[3999] = '\0';
    EXPECT_EQ(zcutRelRb(rb), RTNORM);
    resbuf* again = zcutBuildList(1000, std::string(500, 'y').c_str(), 0);
    EXPECT_EQ(std::strlen(again->resval.rstring), 500u);
    zcutRelRb(again);
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
