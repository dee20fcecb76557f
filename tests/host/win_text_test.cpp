// The host's text helpers behind the Windows services: encodings and file-name patterns.
#include <gtest/gtest.h>

#include "win/code_page.h"
#include "win/wildcard.h"

namespace {

using zrxhost::TextEncoding;

TEST(FileEncoding, Utf8IsRecognisedAndMalformedUtf8IsNot)
{
    EXPECT_TRUE(zrxhost::isUtf8("plain ascii"));
    EXPECT_TRUE(zrxhost::isUtf8("形鋼 𠀋"));
    EXPECT_FALSE(zrxhost::isUtf8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(zrxhost::isUtf8("\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(zrxhost::isUtf8("\xE5\xBD"));          // cut short
    EXPECT_FALSE(zrxhost::isUtf8("\x8c\x60\x8d\x7c"));  // Shift-JIS 形鋼
}

TEST(FileEncoding, ShiftJisIsDecodedAndEncodedBack)
{
    // Shift-JIS with a 0x5C trail byte (表) and a half-width katakana (ｷ).
    const std::string sjis = "\x95\x5c\xb7,\\";
    auto decoded = zrxhost::decodeFileText(sjis);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->encoding, TextEncoding::Cp932);
    EXPECT_EQ(decoded->text, "表ｷ,\\");
    EXPECT_EQ(zrxhost::encodeFileText(decoded->text, TextEncoding::Cp932), sjis);
    EXPECT_EQ(zrxhost::encodeFileText("😀", TextEncoding::Cp932), std::nullopt);
    auto utf8 = zrxhost::decodeFileText("表");
    ASSERT_TRUE(utf8);
    EXPECT_EQ(utf8->encoding, TextEncoding::Utf8);
}

TEST(FileNamePatterns, StarAndQuestionMarkMatchWithoutCase)
{
    EXPECT_TRUE(zrxhost::matchesWildcard("*.DWG", "plan.dwg"));
    EXPECT_FALSE(zrxhost::matchesWildcard("*.DWG", "plan.dwg.bak"));
    EXPECT_TRUE(zrxhost::matchesWildcard("*a*b*", "xxaYYbzz"));
    EXPECT_FALSE(zrxhost::matchesWildcard("*a*b", "xxaYYbzz"));
    EXPECT_TRUE(zrxhost::matchesWildcard("S?23", "S123"));
    EXPECT_FALSE(zrxhost::matchesWildcard("S?23", "S23"));
    EXPECT_TRUE(zrxhost::matchesWildcard("船?", "船番"));
}

TEST(FileNamePatterns, DotStarDotMatchesEveryNameAndATrailingDotNamesWithoutExtension)
{
    EXPECT_TRUE(zrxhost::matchesWildcard("*.*", "README"));
    EXPECT_TRUE(zrxhost::matchesWildcard("*.", "README"));
    EXPECT_FALSE(zrxhost::matchesWildcard("*.", "plan.dwg"));
}

}  // namespace
