// Text of older drawings: the code page of $DWGCODEPAGE (Shift-JIS for ANSI_932) and the
// \U+ and \M+ escapes, both ways.
#include <gtest/gtest.h>

#include "dxf/code_page.h"
#include "win/code_page.h"

using zrx::dxf::CodePage;

namespace {

const std::string kFrame = "肋骨";               // UTF-8
const std::string kFrameSjis = "\x98\x5D\x8D\x9C";  // the same in CP932

TEST(DxfCodePage, ShiftJisReadsAsUtf8AndWritesBack)
{
    CodePage cp("ANSI_932");
    EXPECT_EQ(cp.iconvName(), "CP932");
    EXPECT_EQ(cp.decode(kFrameSjis + " FR.25"), kFrame + " FR.25");
    EXPECT_EQ(cp.encode(kFrame + " FR.25"), kFrameSjis + " FR.25");
}

TEST(DxfCodePage, ATrailByteThatLooksLikeABackslashIsNoEscape)
{
    // "ソ" is 0x83 0x5C in CP932; followed by "U+0041" it must not become "A".
    CodePage cp("ANSI_932");
    EXPECT_EQ(cp.decode("\x83\x5CU+0041"), "ソU+0041");
}

TEST(DxfCodePage, UnicodeEscapesBecomeCharacters)
{
    CodePage cp("ANSI_1252");
    EXPECT_EQ(cp.decode("\\U+808B\\U+9AA8 FR"), kFrame + " FR");
    EXPECT_EQ(cp.decode("\\U+30c6"), "テ");
    // Not an escape: kept as written.
    EXPECT_EQ(cp.decode("C:\\Users\\U+"), "C:\\Users\\U+");
}

TEST(DxfCodePage, MultibyteEscapesOfOldAsianReleases)
{
    CodePage cp("ANSI_1252");
    EXPECT_EQ(cp.decode("\\M+1985D\\M+18D9C"), kFrame);
}

TEST(DxfCodePage, WhatTheCodePageCannotHoldIsWrittenAsAnEscape)
{
    CodePage latin("ANSI_1252");
    EXPECT_EQ(latin.encode("Ø " + kFrame), "\xD8 \\U+808B\\U+9AA8");
    EXPECT_EQ(latin.decode(latin.encode("Ø " + kFrame)), "Ø " + kFrame);
}

TEST(DxfCodePage, InvalidBytesBecomeReplacementCharacters)
{
    CodePage cp("ANSI_932");
    // 0x81 starts a double-byte character; alone at the end it is cut off.
    EXPECT_EQ(cp.decode("A\x81"), "A\xEF\xBF\xBD");
}

TEST(DxfCodePage, DrawingsAndInstallationFilesReadShiftJisAlike)
{
    // NEC special (①), IBM extension (髙), half-width katakana, a 0x5C trail byte (表),
    // and text long enough to be converted in several pieces.
    std::string sjis = "\x87\x40\xFB\xFC\xB7\x95\x5C" + kFrameSjis + " FR.25";
    std::string utf8 = "①髙ｷ表" + kFrame + " FR.25";
    for (int i = 0; i < 9; ++i) {
        sjis += sjis;
        utf8 += utf8;
    }
    CodePage cp("ANSI_932");
    EXPECT_EQ(cp.decode(sjis), utf8);
    EXPECT_EQ(zrxhost::cp932ToUtf8(sjis), utf8);
    EXPECT_EQ(cp.encode(utf8), sjis);
    EXPECT_EQ(zrxhost::utf8ToCp932(utf8), sjis);
    // A character cut off at the end: a drawing reads on with a replacement, an
    // installation file is refused whole.
    EXPECT_EQ(cp.decode(sjis + "\x98"), utf8 + "\xEF\xBF\xBD");
    EXPECT_EQ(zrxhost::cp932ToUtf8(sjis + "\x98"), std::nullopt);
}

TEST(DxfCodePage, NamesOfCodePages)
{
    EXPECT_EQ(zrx::dxf::iconvNameOf("ANSI_1251"), "CP1251");
    EXPECT_EQ(zrx::dxf::iconvNameOf("dos932"), "CP932");
    EXPECT_EQ(zrx::dxf::iconvNameOf("big5"), "CP950");
    EXPECT_EQ(zrx::dxf::iconvNameOf("klingon"), "");
    // An unknown name reads as the platform's default.
    EXPECT_EQ(CodePage("klingon").iconvName(), "CP1252");
    EXPECT_TRUE(CodePage("UTF-8").isUtf8());
    EXPECT_EQ(CodePage("UTF-8").encode(kFrame), kFrame);
}

}  // namespace
