// Group-code/value pairs: line numbers, line ends, faults of the text itself, and reals
// that read back to the same double.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "dxf/dxf_error.h"
#include "dxf/tag_reader.h"
#include "dxf/tag_writer.h"

using zrx::dxf::DxfError;
using zrx::dxf::Tag;
using zrx::dxf::TagReader;

namespace {

size_t faultLine(const std::string& text)
{
    TagReader in(text, "t.dxf");
    Tag t;
    try {
        while (in.next(t)) {
        }
    } catch (const DxfError& e) {
        return e.line();
    }
    return 0;
}

TEST(DxfTags, PairsCarryTheLineOfTheirGroupCodeWhateverTheLineEnds)
{
    TagReader in("  0\r\nSECTION\r\n  2\nHEADER\n9\n\n", "t.dxf");
    Tag t;
    ASSERT_TRUE(in.next(t));
    EXPECT_EQ(t.code, 0);
    EXPECT_EQ(t.value, "SECTION");
    EXPECT_EQ(t.line, 1u);
    ASSERT_TRUE(in.next(t));
    EXPECT_EQ(t.value, "HEADER");
    EXPECT_EQ(t.line, 3u);
    ASSERT_TRUE(in.next(t));
    EXPECT_EQ(t.code, 9);
    EXPECT_EQ(t.value, "");
    EXPECT_FALSE(in.next(t));
}

TEST(DxfTags, CommentsAreSkippedWhereverTheyStand)
{
    TagReader in("999\nmade elsewhere\n  0\nLINE\n999\n\n  8\nHULL\n999\nlast\n", "t.dxf");
    Tag t;
    ASSERT_TRUE(in.next(t));
    EXPECT_EQ(t.value, "LINE");
    EXPECT_EQ(t.line, 3u);
    ASSERT_TRUE(in.next(t));
    EXPECT_EQ(t.code, 8);
    EXPECT_EQ(t.line, 7u);
    EXPECT_FALSE(in.next(t));
}

TEST(DxfTags, ValuesKeepTheirBlanksButNotTheCarriageReturn)
{
    TagReader in("1\n  two words  \r\n", "t.dxf");
    Tag t;
    ASSERT_TRUE(in.next(t));
    EXPECT_EQ(t.value, "  two words  ");
}

TEST(DxfTags, PeekDoesNotConsume)
{
    TagReader in("0\nLINE\n8\nHULL\n", "t.dxf");
    Tag a, b;
    ASSERT_TRUE(in.peek(a));
    ASSERT_TRUE(in.next(b));
    EXPECT_EQ(a.value, b.value);
    ASSERT_TRUE(in.next(b));
    EXPECT_EQ(b.code, 8);
}

TEST(DxfTags, AGroupCodeThatIsNoNumberIsAFaultOnItsLine)
{
    EXPECT_EQ(faultLine("0\nSECTION\nx2\nHEADER\n"), 3u);
    EXPECT_EQ(faultLine("0\nSECTION\n99999\nHEADER\n"), 3u);
}

TEST(DxfTags, AGroupCodeWithoutItsValueIsAFaultOnItsLine)
{
    EXPECT_EQ(faultLine("0\nSECTION\n2\nHEADER\n0"), 5u);
}

// Every form a group code line may take reads the same, whichever way the reader takes it.
TEST(DxfTags, GroupCodesInEveryFormReadWithTheirLines)
{
    TagReader in("-5\nA\n1071\r\nB\n\t62\nC\n+8\nD\n 70 \nE\n-32768\nF\n 0\nEOF", "t.dxf");
    std::vector<std::pair<int, std::string>> got;
    std::vector<uint32_t> lines;
    Tag t;
    while (in.next(t)) {
        got.emplace_back(t.code, std::string(t.value));
        lines.push_back(t.line);
    }
    EXPECT_EQ(got, (std::vector<std::pair<int, std::string>>{
                       {-5, "A"}, {1071, "B"}, {62, "C"}, {8, "D"}, {70, "E"}, {-32768, "F"}, {0, "EOF"}}));
    EXPECT_EQ(lines, (std::vector<uint32_t>{1, 3, 5, 7, 9, 11, 13}));
}

TEST(DxfTags, GroupCodesBeyondSixteenBitsAreFaults)
{
    EXPECT_EQ(faultLine("0\nSECTION\n32768\nHEADER\n"), 3u);
    EXPECT_EQ(faultLine("0\nSECTION\n-32769\nHEADER\n"), 3u);
    EXPECT_EQ(faultLine("0\nSECTION\n100000\nHEADER\n"), 3u);
    EXPECT_EQ(faultLine("0\nSECTION\n32767\nHEADER\n"), 0u);
}

TEST(DxfTags, AnObjectsPairsEndAtTheNextGroupZero)
{
    TagReader in("0\nLINE\n8\nHULL\n62\n1\n0\nPOINT\n10\n1.0\n", "t.dxf");
    Tag t;
    ASSERT_TRUE(in.next(t));
    EXPECT_EQ(t.value, "LINE");
    std::vector<int> codes;
    while (in.nextInObject(t)) codes.push_back(t.code);
    EXPECT_EQ(codes, (std::vector<int>{8, 62}));
    EXPECT_FALSE(in.nextInObject(t));  // still before the group 0
    ASSERT_TRUE(in.next(t));
    EXPECT_EQ(t.value, "POINT");
    EXPECT_EQ(t.line, 7u);
    ASSERT_TRUE(in.nextInObject(t));
    EXPECT_EQ(t.code, 10);
    EXPECT_FALSE(in.nextInObject(t));
    EXPECT_FALSE(in.next(t));
}

TEST(DxfTags, TrailingBlankLinesEndTheTextQuietly)
{
    EXPECT_EQ(faultLine("0\nEOF\n\n\n"), 0u);
    EXPECT_EQ(faultLine("0\nEOF\n\n0\nEOF\n"), 3u);
}

TEST(DxfTags, NumbersAreStrictButAllowPadding)
{
    double d = 0;
    int64_t i = 0;
    uint64_t h = 0;
    EXPECT_TRUE(zrx::dxf::parseDouble("  1.5e3 ", d));
    EXPECT_EQ(d, 1500.0);
    EXPECT_FALSE(zrx::dxf::parseDouble("1.5x", d));
    EXPECT_FALSE(zrx::dxf::parseDouble("", d));
    EXPECT_TRUE(zrx::dxf::parseInt("   -3", i));
    EXPECT_EQ(i, -3);
    EXPECT_TRUE(zrx::dxf::parseInt("2.0", i));  // some writers put reals in integer groups
    EXPECT_FALSE(zrx::dxf::parseInt("2.5", i));
    EXPECT_TRUE(zrx::dxf::parseHandle("1a3", h));
    EXPECT_EQ(h, 0x1A3u);
    EXPECT_FALSE(zrx::dxf::parseHandle("G1", h));
}

TEST(DxfTags, RealsReadBackBitForBit)
{
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> any(-1e9, 1e9);
    for (int i = 0; i < 2000; ++i) {
        double v = any(rng) / (1 + (i % 97));
        double back = 0;
        ASSERT_TRUE(zrx::dxf::parseDouble(zrx::dxf::formatReal(v), back));
        ASSERT_EQ(back, v);
    }
    EXPECT_EQ(zrx::dxf::formatReal(100.0), "100.0");
    EXPECT_EQ(zrx::dxf::formatReal(-0.0), "0.0");
    EXPECT_EQ(zrx::dxf::formatReal(std::numeric_limits<double>::quiet_NaN()), "0.0");
}

TEST(DxfTags, FewerPlacesRoundAndDropTrailingZeros)
{
    EXPECT_EQ(zrx::dxf::formatReal(1.23456, 3), "1.235");
    EXPECT_EQ(zrx::dxf::formatReal(2.5, 6), "2.5");
    EXPECT_EQ(zrx::dxf::formatReal(-0.0001, 2), "0.0");
}

TEST(DxfTags, HandlesAreUpperCaseHexWithoutLeadingZeros)
{
    EXPECT_EQ(zrx::dxf::formatHandle(0x1A3), "1A3");
    EXPECT_EQ(zrx::dxf::formatHandle(0xFFFFFFFFFFFFFFFFull), "FFFFFFFFFFFFFFFF");
}

}  // namespace
