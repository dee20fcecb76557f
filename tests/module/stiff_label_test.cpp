// Stiffener size labels composed by the rows of the material-label file, on a copy of the
// sample installation whose label file the test writes.
#include "TrevanCom2002.h"
#include "command_text.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"

namespace {

const char* const kMateFile = "TREVAN/DATA/MST/TREVANMATE.DAT";

// A label file of another yard: plain angles, a tee without its mark, a quoted bulb mark.
const char* const kOtherYardRows =
    "FB,FB,1,x,2\r\n"
    "A2,L,1,x,2,x,3\r\n"
    "A1,L,1,x,3\r\n"
    "T,1,x,2,(chr 44),3,x,4\r\n"
    "BP,\"BP\",9,1\r\n";

class StiffLabel : public LispCallTest {
protected:
    CString label(const char* type, double w, double wt = 0, double fw = 0, double ft = 0, double r1 = 0, double r2 = 0)
    {
        return TrevanCom_MakeStiffText(type, w, wt, fw, ft, r1, r2);
    }
    void rows(const std::string& text) { install.put(kMateFile, text); }
    SampleInstall install;
};

TEST_F(StiffLabel, TheSampleRowsWriteTheUsualSectionMarks)
{
    EXPECT_EQ(label("FB", 150, 12.5), "FB150x12.5");
    EXPECT_EQ(label("LONG_F", 200, 11), "FB200x11");
    EXPECT_EQ(label("A", 90, 10, 10, 10), "L90x90x10");
    EXPECT_EQ(label("A", 100, 7, 75, 7), "L100x75x7");
    EXPECT_EQ(label("T", 300, 11, 100, 16), "T300x11,100x16");
    EXPECT_EQ(label("H", 400, 12, 200, 16), "H400x200x12x16");
    EXPECT_EQ(label("BP", 200, 10), "BP200x10");
}

TEST_F(StiffLabel, AnotherYardsRowsWriteItsOwnMarks)
{
    rows(kOtherYardRows);
    EXPECT_EQ(label("FB", 150, 12.5), "FB150x12.5");
    EXPECT_EQ(label("LONG_FB", 150, 12), "FB150x12");
    // Type A writes the face width second and the web thickness third.
    EXPECT_EQ(label("A", 100, 7, 75, 7), "L100x75x7");
    EXPECT_EQ(label("A", 90, 10, 10, 10), "L90x10");
    EXPECT_EQ(label("T", 300, 11, 100, 16), "300x11,100x16");
    EXPECT_EQ(label("BP", 200), "BP200");
}

TEST_F(StiffLabel, DimensionsPrintWithoutTrailingZerosAndAtMostSixDecimals)
{
    rows("Z,1,/,2,/,3,/,4,/,5,/,6\n");
    EXPECT_EQ(label("Z", 150.0, 12.5, 0.0, 7.25, 3.1415926, 100), "150/12.5/0/7.25/3.141593/100");
}

TEST_F(StiffLabel, TypeAIsFoundWithoutRegardToCaseAndByPrintedThickness)
{
    rows(kOtherYardRows);
    EXPECT_EQ(label("a", 90, 10, 10, 10), "L90x10");
    EXPECT_EQ(label("long_A", 100, 7, 75, 7), "L100x75x7");
    // 7.0000001 prints as 7: the legs count as alike.
    EXPECT_EQ(label("A", 90, 7, 7.0000001, 7), "L90x7");
    EXPECT_EQ(label("A", 90, 7, 7.00001, 7), "L90x7.00001x7");
}

TEST_F(StiffLabel, TokensAreLiteralUnlessTheyStartWithANumber)
{
    rows("FB,x2,2x,-1,0,7, 3,(CHR 44),(chr 44)\n");
    EXPECT_EQ(label("FB", 150, 12, 90), "x212090(CHR 44),");
}

TEST_F(StiffLabel, OnlyTheFirstRowOfAKeyIsRead)
{
    rows("BP\nBP,BP,1\nFB,FB,1,x,2\nFB,F,1\n");
    // A matching row without tokens ends the search with an empty label.
    EXPECT_EQ(label("BP", 200), "");
    EXPECT_EQ(label("fb", 150, 12), "FB150x12");
    EXPECT_EQ(label("T", 300, 11, 100, 16), "");
}

TEST_F(StiffLabel, TheFileIsReadAgainOnEveryCall)
{
    rows("FB,FB,1,x,2\n");
    EXPECT_EQ(label("FB", 150, 12), "FB150x12");
    rows("FB,F.B.,1,*,2\n");
    EXPECT_EQ(label("FB", 150, 12), "F.B.150*12");
    std::filesystem::remove(install.at(kMateFile));
    EXPECT_EQ(label("FB", 150, 12), "");
    install.forgetFolders();
    rows("FB,FB,1,x,2\n");
    EXPECT_EQ(label("FB", 150, 12), "");
}

TEST_F(StiffLabel, AStiffenerOnTheDrawingIsLabelledFromItsRecord)
{
    CStiffData stiff;
    stiff.m_strFType = "LONG_A";
    stiff.m_rWebWidth = 150;
    stiff.m_rWebThick = 9;
    stiff.m_rFaceWidth = 90;
    stiff.m_rFaceThck = 9;
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    ASSERT_TRUE(TrevanComARX_SetStiffdata(line, stiff));
    ZcDbObjectId bare = addLine(0, 100, 1000, 100);
    EXPECT_EQ(TrevanCom_MakeStiffText(line, "STIFF"), "L150x90x9");
    EXPECT_EQ(TrevanCom_MakeStiffText(bare, "STIFF"), "");
    EXPECT_EQ(TrevanCom_MakeStiffText(ZcDbObjectId(), "STIFF"), "");

    define("stifflabel", TrevanComARX_MakeStiffText);
    EXPECT_EQ(trimmed(call("(stifflabel " + ename(line) + ")")), "\"L150x90x9\"");
    EXPECT_EQ(trimmed(call("(stifflabel " + ename(line) + " 12)")), "\"L150x90x9\"");
    EXPECT_EQ(trimmed(call("(stifflabel " + ename(line) + " \"LONG\")")), "nil");
    EXPECT_EQ(trimmed(call("(stifflabel " + ename(bare) + ")")), "nil");
    EXPECT_EQ(trimmed(call("(stifflabel)")), "引数エラー\nnil");
}

}  // namespace
