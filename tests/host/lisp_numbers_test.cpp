// Numbers: 32-bit integers that wrap, reals, division, and reals printed as the platform
// prints them.
#include "support/lisp_fixture.h"

namespace {

using LispNumbers = LispTest;

TEST_F(LispNumbers, IntegersAre32BitsAndWrap)
{
    EXPECT_EQ(eval("(+ 2147483647 1)"), "-2147483648");
    EXPECT_EQ(eval("(* 65536 65536)"), "0");
    EXPECT_EQ(eval("(- -2147483648 1)"), "2147483647");
    EXPECT_EQ(eval("(1+ 2147483647)"), "-2147483648");
    EXPECT_EQ(eval("(abs -2147483648)"), "-2147483648");
    // Past 32 bits the reader takes a real.
    EXPECT_EQ(eval("(type 2147483648)"), "REAL");
}

TEST_F(LispNumbers, DivisionTruncatesIntegersAndRefusesZero)
{
    EXPECT_EQ(eval("(/ 7 2)"), "3");
    EXPECT_EQ(eval("(/ -7 2)"), "-3");
    EXPECT_EQ(eval("(/ 7 2.0)"), "3.5");
    EXPECT_EQ(eval("(/ 5 0)"), "; error: divide by zero");
    EXPECT_EQ(eval("(/ 5.0 0.0)"), "; error: divide by zero");
    EXPECT_EQ(eval("(rem 7 3)"), "1");
    EXPECT_EQ(eval("(rem -7 3)"), "-1");
    EXPECT_EQ(eval("(rem 7.5 2)"), "1.5");
    EXPECT_EQ(eval("(/ -2147483648 -1)"), "-2147483648");
}

TEST_F(LispNumbers, RealsPrintAsThePlatformPrintsThem)
{
    EXPECT_EQ(eval("(princ 0.1)"), "0.1\n0.1");
    EXPECT_EQ(eval("(progn 1.0)"), "1.0");
    EXPECT_EQ(eval("(/ 1.0 3)"), "0.333333");
    EXPECT_EQ(eval("(progn 3.14159265)"), "3.14159");
    EXPECT_EQ(eval("(progn 1234567.0)"), "1.23457e+006");
    EXPECT_EQ(eval("(progn 1e20)"), "1.0e+020");
    EXPECT_EQ(eval("(progn -0.5)"), "-0.5");
}

TEST_F(LispNumbers, MixedArithmeticAndFunctions)
{
    EXPECT_EQ(eval("(+ 1 2 3.0)"), "6.0");
    EXPECT_EQ(eval("(- 5)"), "-5");
    EXPECT_EQ(eval("(fix -3.7)"), "-3");
    EXPECT_EQ(eval("(float 2)"), "2.0");
    EXPECT_EQ(eval("(max 1 5 3)"), "5");
    EXPECT_EQ(eval("(min 1 5 0.5)"), "0.5");
    EXPECT_EQ(eval("(sqrt 16)"), "4.0");
    EXPECT_EQ(eval("(sqrt -1)"), "; error: function undefined for argument: -1");
    EXPECT_EQ(eval("(expt 2 10)"), "1024");
    EXPECT_EQ(eval("(expt 2.0 0.5)"), "1.41421");
    EXPECT_EQ(eval("(atan 1 1)"), "0.785398");
    EXPECT_EQ(eval("(log 0)"), "; error: function undefined for argument: 0");
    EXPECT_EQ(eval("(+ 1 \"2\")"), "; error: bad argument type: numberp: \"2\"");
}

TEST_F(LispNumbers, Comparisons)
{
    EXPECT_EQ(eval("(= 1 1.0)"), "T");
    EXPECT_EQ(eval("(< 1 2 3)"), "T");
    EXPECT_EQ(eval("(< 1 3 2)"), "nil");
    EXPECT_EQ(eval("(>= 3 3 1)"), "T");
    EXPECT_EQ(eval("(/= 1 2)"), "T");
    EXPECT_EQ(eval("(= \"a\" \"a\")"), "T");
    EXPECT_EQ(eval("(< \"a\" \"b\")"), "T");
    EXPECT_EQ(eval("(zerop 0.0)"), "T");
    EXPECT_EQ(eval("(minusp -1)"), "T");
    EXPECT_EQ(eval("(numberp 'a)"), "nil");
}

}  // namespace
