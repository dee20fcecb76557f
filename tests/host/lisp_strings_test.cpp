// Strings: characters counted as characters, conversions, units, searching and matching.
#include "support/lisp_fixture.h"

namespace {

using LispStrings = LispTest;

TEST_F(LispStrings, PiecesAndCase)
{
    EXPECT_EQ(eval("(strlen \"外板L-1\")"), "5");
    EXPECT_EQ(eval("(substr \"外板L-1\" 2 2)"), "\"板L\"");
    EXPECT_EQ(eval("(substr \"ABCDE\" 3)"), "\"CDE\"");
    EXPECT_EQ(eval("(strcase \"abc\")"), "\"ABC\"");
    EXPECT_EQ(eval("(strcase \"ABC\" T)"), "\"abc\"");
    EXPECT_EQ(eval("(chr 65)"), "\"A\"");
    EXPECT_EQ(eval("(ascii \"板\")"), "26495");
}

TEST_F(LispStrings, NumbersToTextAndBack)
{
    EXPECT_EQ(eval("(itoa -12)"), "\"-12\"");
    EXPECT_EQ(eval("(atoi \"42abc\")"), "42");
    EXPECT_EQ(eval("(atoi \"x\")"), "0");
    EXPECT_EQ(eval("(atof \"2.5\")"), "2.5");
    EXPECT_EQ(eval("(rtos 1.0 2 2)"), "\"1.00\"");
    EXPECT_EQ(eval("(rtos 17.5 1 4)"), "\"1.7500E+01\"");
    EXPECT_EQ(eval("(rtos 17.5 3 2)"), "\"1'-5.50\\\"\"");
    EXPECT_EQ(eval("(rtos 17.5 4 2)"), "\"1'-5 1/2\\\"\"");
    EXPECT_EQ(eval("(rtos 17.5 5 2)"), "\"17 1/2\"");
    EXPECT_EQ(eval("(rtos 2.0)"), "\"2.0000\"");
    EXPECT_EQ(eval("(angtos (/ pi 4) 0 2)"), "\"45.00\"");
    EXPECT_EQ(eval("(angtos 0.785398 3 4)"), "\"0.7854r\"");
    EXPECT_EQ(eval("(distof \"1'-6\\\"\")"), "18.0");
    EXPECT_EQ(eval("(distof \"2 1/2\")"), "2.5");
    EXPECT_EQ(eval("(distof \"abc\")"), "nil");
}

TEST_F(LispStrings, SearchSubstituteMatch)
{
    EXPECT_EQ(eval("(vl-string-search \"-\" \"L-100\")"), "1");
    EXPECT_EQ(eval("(vl-string-search \"x\" \"L-100\")"), "nil");
    EXPECT_EQ(eval("(vl-string-subst \"FR\" \"L\" \"L-100\")"), "\"FR-100\"");
    EXPECT_EQ(eval("(wcmatch \"L-100\" \"L-#*\")"), "T");
    EXPECT_EQ(eval("(wcmatch \"l-100\" \"L-#*\")"), "nil");
    EXPECT_EQ(eval("(vl-princ-to-string '(1 \"a\"))"), "\"(1 a)\"");
    EXPECT_EQ(eval("(strcat \"a\" 1)"), "; error: bad argument type: stringp 1");
}

}  // namespace
