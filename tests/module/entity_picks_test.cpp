// Asking the user for entities: the plain pick's answers and re-asking, the conditional
// pick's cancel, Enter, type refusal and pick-box application test, the pick by pointing
// with its tooltip and highlight, the keyword choice and the multiple selection.
#include "TrevanCom2002.h"
#include "support/editor_fixture.h"
#include "zrxhost/display_state.h"

namespace {

// Whatever ran before, the command line starts on a fresh line.
class FreshLineTest : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        zcutPrintf("\n");
        transcript();
    }
};

const char* const kWrongType = "\n指定外のオブジェクトです";

class PickSingle : public FreshLineTest {
protected:
    void SetUp() override
    {
        FreshLineTest::SetUp();
        regApp("STIFF");
    }
    void markStiff(ZcDbObjectId id) { ASSERT_EQ(TrevanComARX_SetXdataStr(id, "STIFF", "x"), 1); }
    ZcDbObjectId circleAt(double x, double y)
    {
        return addToModelSpace(new ZcDbCircle(ZcGePoint3d(x, y, 0), ZcGeVector3d::kZAxis, 10));
    }
    ZcDbObjectId picked;
};

TEST_F(PickSingle, APlainPickAsksAgainAfterAMissEnterGivesTwoEscMinusOne)
{
    ZcDbObjectId line = addLine(0, 0, 100, 0);
    answer({"50,40", "50,0", "", "*cancel*"});
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\n部材を選択："), 1);
    EXPECT_EQ(picked, line);
    // The miss was asked again with the same prompt.
    std::string t = transcript();
    EXPECT_EQ(t.find("部材を選択：50,40"), 0u) << t;
    EXPECT_NE(t.find("部材を選択：50,0"), std::string::npos) << t;
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\n部材を選択："), 2);
    EXPECT_EQ(picked, line);
    // Esc: quietly -1.
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: "), -1);
    EXPECT_EQ(transcript().find("ERRNO"), std::string::npos);
}

TEST_F(PickSingle, TheConditionalPickRefusesOtherTypesGivesTwoOnEscAndThreeOnEnter)
{
    ZcDbObjectId circle = circleAt(200, 0);
    ZcDbObjectId line = addLine(0, 0, 100, 0);
    answer({"210,0", "50,0", "210,0", "*cancel*", ""});
    ASSERT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "lwpolyline,line", nullptr), 1);
    EXPECT_EQ(picked, line);
    EXPECT_NE(transcript().find(kWrongType), std::string::npos);
    ASSERT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "CIRCLE", ""), 1);
    EXPECT_EQ(picked, circle);
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "LINE", ""), 2);
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "LINE", ""), 3);
    EXPECT_EQ(picked, circle);
    EXPECT_EQ(transcript().find(kWrongType), std::string::npos);
}

TEST_F(PickSingle, TheApplicationTestTakesTheMarkedEntityUnderThePickBox)
{
    // Two lines crossing at (50, 0); the later drawn (unmarked) wins the host's pick.
    ZcDbObjectId marked = addLine(0, 0, 100, 0);
    ZcDbObjectId plain = addLine(50, -50, 50, 50);
    markStiff(marked);
    answer({"50,0", "50,0", "50,40", "*cancel*"});
    ASSERT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "", "PLATE,STIFF"), 1);
    EXPECT_EQ(picked, marked);
    // Without the application test the host's pick stands.
    ASSERT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "", ""), 1);
    EXPECT_EQ(picked, plain);
    // Where only the plain line lies, nothing carries the application.
    EXPECT_EQ(TrevanComARX_SelectSingleEntity(picked, "\nPick: ", "", "STIFF"), 2);
    EXPECT_NE(transcript().find(kWrongType), std::string::npos);
}

TEST_F(PickSingle, Entsel2WantsAListedClassOrApplicationAndGivesThePoint)
{
    circleAt(200, 0);
    ZcDbObjectId line = addLine(0, 0, 100, 0);
    ZcGePoint3d at;
    // The circle's class is not listed, Enter and a miss ask again.
    answer({"210,0", "", "300,300", "40,0.5", "*cancel*"});
    ASSERT_EQ(TrevanCom_GetARX_Entsel2("\nPick: ", picked, at, "acdbline,AcDbPolyline", ""), 0);
    EXPECT_EQ(picked, line);
    EXPECT_TRUE(at.isEqualTo(ZcGePoint3d(40, 0.5, 0)));
    EXPECT_EQ(TrevanCom_GetARX_Entsel2("\nPick: ", picked, at, "", "STIFF"), -1);
}

class SelectPrompts : public FreshLineTest {
protected:
    void SetUp() override
    {
        FreshLineTest::SetUp();
        keywords.Add("A");
        keywords.Add("B");
    }
    CStringArray keywords;
    CString chosen = "kept";
};

TEST_F(SelectPrompts, TheDefaultIsShownInTheKeywordPromptAndOnlyKeywordsAreAnswers)
{
    answer({"", "", "C", "*cancel*", "b"});
    ASSERT_EQ(TrevanComARX_SelectKeyword(keywords, "\n種類を選択", "A", chosen), 5100);
    EXPECT_EQ(chosen, "A");
    // Without a default Enter is empty input.
    chosen = "kept";
    EXPECT_EQ(TrevanComARX_SelectKeyword(keywords, "\nType", nullptr, chosen), 5000);
    EXPECT_EQ(TrevanComARX_SelectKeyword(keywords, "\nType", "A", chosen), -5002);
    EXPECT_EQ(TrevanComARX_SelectKeyword(keywords, "\nType", "A", chosen), -5002);
    EXPECT_EQ(TrevanComARX_SelectKeyword(CStringArray(), "\nType", "A", chosen), -5002);
    EXPECT_EQ(chosen, "kept");
    ASSERT_EQ(TrevanComARX_SelectKeyword(keywords, "\nType", "", chosen), 5100);
    EXPECT_EQ(chosen, "B");
    EXPECT_EQ(transcript(), "種類を選択<A>:\nType:\nType<A>:C\nType<A>:*cancel*\nType:b\n");
}

TEST_F(SelectPrompts, SelectEntityAsksWithBothPromptsAndAppendsWhatPassesTheFilter)
{
    ZcDbObjectId a = addLine(0, 0, 10, 0);
    addToModelSpace(new ZcDbCircle(ZcGePoint3d(5, 5, 0), ZcGeVector3d::kZAxis, 1));
    ZcDbObjectId b = addLine(0, 20, 10, 20);
    resbuf* filter = zcutBuildList(RTDXF0, "LINE", RTNONE);
    ZcDbObjectIdArray ids;
    ids.append(ZcDbObjectId::kNull);
    answer({"ALL", "R", "#" + hex(b), "", "*cancel*"});
    EXPECT_TRUE(TrevanComARX_SelectEntity("相手部材を選択", filter, ids));
    zcutRelRb(filter);
    std::string t = transcript();
    ASSERT_EQ(ids.length(), 2) << t;
    EXPECT_EQ(ids[1], a);
    EXPECT_NE(t.find("相手部材を選択ALL"), std::string::npos) << t;
    EXPECT_NE(t.find("除外する相手部材を選択#"), std::string::npos) << t;
    EXPECT_FALSE(TrevanComARX_SelectEntity(nullptr, nullptr, ids));
    EXPECT_EQ(ids.length(), 2);
}

class HoverPick : public FreshLineTest {
protected:
    void SetUp() override
    {
        FreshLineTest::SetUp();
        line = addLine(0, 0, 100, 0);
    }
    ZcDbObjectId line, picked;
    ZcGePoint3d at;
};

TEST_F(HoverPick, TheTooltipNamesTheQualifyingEntityUnderThePointAndItIsGivenBack)
{
    regApp("STIFF");
    ASSERT_EQ(TrevanComARX_SetXdataStr(line, "STIFF", "1"), 1);
    answer({"50,0"});
    ASSERT_EQ(TrevanCom_GetARX_Entsel("\nスチフナを指示：", picked, at, "LINE", "STIFF", "スチフナ"), 0);
    EXPECT_EQ(picked, line);
    EXPECT_TRUE(at.isEqualTo(ZcGePoint3d(50, 0, 0)));
    EXPECT_EQ(transcript(), "スチフナを指示：50,0\n[ToolTip] スチフナ: LINE " + hex(line) + " (0)\n");
    // The highlight went with the request.
    EXPECT_FALSE(zrxhost::isHighlighted(line));
}

TEST_F(HoverPick, NothingQualifyingShowsNotSelectEnterAndEscEndThePickAndTheCursorIsLetGo)
{
    // A line without the application, and a circle of another type.
    addToModelSpace(new ZcDbCircle(ZcGePoint3d(300, 0, 0), ZcGeVector3d::kZAxis, 10));
    picked = line;
    answer({"50,0", "310,0", "", "*cancel*", "50,0"});
    EXPECT_EQ(TrevanCom_GetARX_Entsel("\nPoint: ", picked, at, "", "STIFF", nullptr), 1);
    EXPECT_EQ(TrevanCom_GetARX_Entsel("\nPoint: ", picked, at, "LINE", "", nullptr), 1);
    EXPECT_EQ(picked, line);
    EXPECT_TRUE(at.isEqualTo(ZcGePoint3d(310, 0, 0)));
    EXPECT_EQ(transcript(), "Point: 50,0\n[ToolTip] NOT SELECT\nPoint: 310,0\n[ToolTip] NOT SELECT\n");
    EXPECT_EQ(TrevanCom_GetARX_Entsel("\nPoint: ", picked, at, "", "", ""), 2);
    EXPECT_EQ(TrevanCom_GetARX_Entsel("\nPoint: ", picked, at, "", "", ""), -1);
    // A later point request shows no tooltip and no highlight.
    transcript();
    ads_point p;
    zcedGetPoint(nullptr, "\nPoint: ", p);
    EXPECT_EQ(transcript(), "Point: 50,0\n");
    EXPECT_FALSE(zrxhost::isHighlighted(line));
}

}  // namespace
