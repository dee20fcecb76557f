// A stiffener record written out on the command line.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "TrevanCom2002.h"
#include "zrxhost/command_line.h"

namespace {

std::vector<std::string> printed(const CStiffData& s, bool sizeOnly)
{
    std::string text;
    zrxhost::setCommandLineSink([&](std::string_view t) { text += t; });
    s.print(sizeOnly);
    zrxhost::setCommandLineSink(nullptr);
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

TEST(StiffPrint, EveryFieldInDeclarationOrderBetweenBanners)
{
    CStiffData s;
    s.m_ptEnd.set(100, 0, 0);
    s.m_strName = "FB 150x12";
    s.m_nNewRes1 = -3;
    std::vector<std::string> lines = printed(s, false);
    ASSERT_EQ(lines.size(), 35u);
    EXPECT_EQ(lines.front(), "Stiff Size Start" + std::string(46, '-'));
    EXPECT_EQ(lines.back(), "Stiff Size End" + std::string(46, '-'));
    EXPECT_EQ(lines[2], "m_ptEnd=100.000000,0.000000,0.000000");
    EXPECT_EQ(lines[6], "m_strName=FB 150x12");
    EXPECT_EQ(lines[17], "m_strItanige=R,R");
    EXPECT_EQ(lines[27], "m_nNewRes1=-3");
    EXPECT_EQ(lines[33], "m_rNormVecZ=1.000000");
}

TEST(StiffPrint, SizeOnlyLeavesOutPlaceEndsAndReserves)
{
    CStiffData s;
    s.m_rWebWidth = 150;
    std::vector<std::string> lines = printed(s, true);
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[1], "m_strType=STIFF");
    EXPECT_EQ(lines[5], "m_rWebWidth=150.000000");
    EXPECT_EQ(lines[10], "m_rCornerR2=0.000000");
}

}  // namespace
