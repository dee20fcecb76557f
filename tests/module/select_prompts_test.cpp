// Questions with their own prompts: the keyword choice and the multiple selection.
#include "TrevanCom2002.h"
#include "support/editor_fixture.h"

namespace {

class SelectPrompts : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        // Whatever ran before, the command line starts on a fresh line.
        zcutPrintf("\n");
        transcript();
        keywords.Add("A");
        keywords.Add("B");
    }
    CStringArray keywords;
    CString chosen;
};

TEST_F(SelectPrompts, TheDefaultIsShownInTheKeywordPromptAndTakenOnEnter)
{
    answer({""});
    ASSERT_EQ(TrevanComARX_SelectKeyword(keywords, "\n種類を選択", "A", chosen), 5100);
    EXPECT_EQ(chosen, "A");
    EXPECT_EQ(transcript(), "種類を選択<A>:\n");
}

TEST_F(SelectPrompts, WithoutADefaultEnterIsEmptyInputAndOnlyKeywordsAreAnswers)
{
    chosen = "kept";
    answer({"", "C", "*cancel*", "b"});
    EXPECT_EQ(TrevanComARX_SelectKeyword(keywords, "\nType", nullptr, chosen), 5000);
    EXPECT_EQ(TrevanComARX_SelectKeyword(keywords, "\nType", "A", chosen), -5002);
    EXPECT_EQ(TrevanComARX_SelectKeyword(keywords, "\nType", "A", chosen), -5002);
    EXPECT_EQ(chosen, "kept");
    EXPECT_EQ(TrevanComARX_SelectKeyword(CStringArray(), "\nType", "A", chosen), -5002);
    ASSERT_EQ(TrevanComARX_SelectKeyword(keywords, "\nType", "", chosen), 5100);
    EXPECT_EQ(chosen, "B");
    EXPECT_EQ(transcript(), "Type:\nType<A>:C\nType<A>:*cancel*\nType:b\n");
}

TEST_F(SelectPrompts, SelectEntityAsksWithBothPromptsAndAppendsWhatPassesTheFilter)
{
    ZcDbObjectId a = addLine(0, 0, 10, 0);
    addToModelSpace(new ZcDbCircle(ZcGePoint3d(5, 5, 0), ZcGeVector3d::kZAxis, 1));
    ZcDbObjectId b = addLine(0, 20, 10, 20);
    resbuf* filter = zcutBuildList(RTDXF0, "LINE", RTNONE);
    ZcDbObjectIdArray ids;
    ids.append(ZcDbObjectId::kNull);
    answer({"ALL", "R", "#" + hex(b), ""});
    ASSERT_TRUE(TrevanComARX_SelectEntity("相手部材を選択", filter, ids));
    std::string t = transcript();
    ASSERT_EQ(ids.length(), 2) << t;
    EXPECT_EQ(ids[1], a);
    EXPECT_NE(t.find("相手部材を選択ALL"), std::string::npos) << t;
    EXPECT_NE(t.find("除外する相手部材を選択#"), std::string::npos) << t;
    answer({"*cancel*"});
    EXPECT_FALSE(TrevanComARX_SelectEntity(nullptr, nullptr, ids));
    EXPECT_EQ(ids.length(), 2);
    zcutRelRb(filter);
}

}  // namespace
