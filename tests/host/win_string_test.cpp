// CString and CStringArray as the module uses them.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "zrx.h"

namespace {

TEST(CStringText, FormatsLikePrintfAndAppends)
{
    CString s;
    s.Format("%sファイルが%d件", "C:\\STD", 3);
    EXPECT_EQ(s, "C:\\STDファイルが3件");
    s.AppendFormat(" (%.2f)", 1.5);
    EXPECT_EQ(s, "C:\\STDファイルが3件 (1.50)");
    CString big;
    big.Format("%0300d", 7);
    EXPECT_EQ(big.GetLength(), 300);
    EXPECT_EQ(big.Right(2), "07");
}

TEST(CStringText, CaseChangesAsciiOnlyAndComparesWithOrWithoutCase)
{
    CString s("Stiff全角ａ");
    s.MakeUpper();
    EXPECT_EQ(s, "STIFF全角ａ");
    s.MakeLower();
    EXPECT_EQ(s, "stiff全角ａ");
    EXPECT_EQ(CString("STD").CompareNoCase("std"), 0);
    EXPECT_LT(CString("ABC").Compare("abc"), 0);
    EXPECT_GT(CString("b").CompareNoCase("A"), 0);
    EXPECT_TRUE(CString("x") != "X");
    EXPECT_TRUE("a" < CString("b"));
}

TEST(CStringText, FindsAndCutsByByteIndex)
{
    CString s("船番\\S123.dwg");
    EXPECT_EQ(s.Find('\\'), 6);
    EXPECT_EQ(s.Find(".dwg"), 11);
    EXPECT_EQ(s.Find('S', 8), -1);
    EXPECT_EQ(s.ReverseFind('.'), 11);
    EXPECT_EQ(s.FindOneOf("0123456789"), 8);
    EXPECT_EQ(s.Left(6), "船番");
    EXPECT_EQ(s.Mid(7), "S123.dwg");
    EXPECT_EQ(s.Mid(7, 4), "S123");
    EXPECT_EQ(s.Right(4), ".dwg");
    // Out-of-range counts are clamped, as MFC does.
    EXPECT_EQ(s.Left(100), s);
    EXPECT_EQ(s.Mid(100), "");
    EXPECT_EQ(s.Right(-1), "");
    EXPECT_EQ(CString("12.5mm").SpanIncluding("0123456789."), "12.5");
    EXPECT_EQ(CString("L100x10").SpanExcluding("x"), "L100");
}

TEST(CStringText, TrimsReplacesRemovesAndInserts)
{
    CString s(" \t T-100 \r\n");
    s.Trim();
    EXPECT_EQ(s, "T-100");
    CString padded("ABC   ");
    padded.TrimRight();
    EXPECT_EQ(padded, "ABC");
    CString zeros("00120");
    zeros.TrimLeft('0');
    EXPECT_EQ(zeros, "120");
    CString path("a.dwg;b.dwg;c.DWG");
    EXPECT_EQ(path.Replace(".dwg", ".dxf"), 2);
    EXPECT_EQ(path, "a.dxf;b.dxf;c.DWG");
    EXPECT_EQ(path.Replace(';', ','), 2);
    EXPECT_EQ(path.Remove(','), 2);
    EXPECT_EQ(path, "a.dxfb.dxfc.DWG");
    CString t("ac");
    EXPECT_EQ(t.Insert(1, 'b'), 3);
    EXPECT_EQ(t.Insert(99, "d"), 4);
    EXPECT_EQ(t.Delete(0, 2), 2);
    EXPECT_EQ(t, "cd");
}

TEST(CStringText, TokenizesSkippingEmptyFields)
{
    CString line("25+,,FR30,  ,X");
    int pos = 0;
    std::vector<std::string> parts;
    for (CString tok = line.Tokenize(",", pos); pos != -1; tok = line.Tokenize(",", pos)) parts.push_back(tok.str());
    EXPECT_EQ(parts, (std::vector<std::string>{"25+", "FR30", "  ", "X"}));
}

TEST(CStringText, BufferTakesBackWhatWasWritten)
{
    CString s("old");
    char* buf = s.GetBuffer(64);
    std::strcpy(buf, "新しい値");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "新しい値");
    std::strcpy(s.GetBuffer(10), "abcdef");
    s.ReleaseBuffer(3);
    EXPECT_EQ(s, "abc");
    EXPECT_THROW(s.GetAt(3), std::out_of_range);
}

TEST(CStringList, GrowsInsertsAndRemoves)
{
    CStringArray a;
    EXPECT_EQ(a.Add("FR10"), 0);
    EXPECT_EQ(a.Add(CString("FR20")), 1);
    a.InsertAt(1, "FR15", 2);
    EXPECT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a[2], "FR15");
    a.RemoveAt(1, 2);
    EXPECT_EQ(a.GetSize(), 2);
    EXPECT_EQ(a[1], "FR20");
    // Appending an array to itself doubles it.
    EXPECT_EQ(a.Append(a), 2);
    EXPECT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a[3], "FR20");
    a.SetAtGrow(6, "last");
    EXPECT_EQ(a.GetUpperBound(), 6);
    EXPECT_EQ(a[5], "");
    EXPECT_THROW(a.RemoveAt(5, 3), std::out_of_range);
    EXPECT_THROW(a.GetAt(7), std::out_of_range);
    CStringArray b;
    b.Copy(a);
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(b.GetSize(), 7);
}

}  // namespace
