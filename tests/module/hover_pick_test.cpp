// The pick by pointing: the tooltip naming what is under the cursor, the highlight that
// follows it and what the point request gives back.
#include "TrevanCom2002.h"
#include "support/editor_fixture.h"
#include "zrxhost/display_state.h"

namespace {

class HoverPick : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        // Whatever ran before, the command line starts on a fresh line.
        zcutPrintf("\n");
        transcript();
    }
    void markStiff(ZcDbObjectId id)
    {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
        ASSERT_EQ(TrevanComARX_SetXdataStr(e.object(), "STIFF", "1"), 1);
    }
};

TEST_F(HoverPick, TheTooltipNamesTheEntityUnderThePointAndItIsGivenBack)
{
    regApp("STIFF");
    ZcDbObjectId line = addLine(0, 0, 100, 0);
    markStiff(line);
    ZcDbObjectId picked;
    ZcGePoint3d at;
    answer({"50,0"});
    ASSERT_EQ(TrevanCom_GetARX_Entsel("\nスチフナを指示：", picked, at, "LINE", "STIFF", "スチフナ"), 0);
    EXPECT_EQ(picked, line);
    EXPECT_TRUE(at.isEqualTo(ZcGePoint3d(50, 0, 0)));
    EXPECT_EQ(transcript(), "スチフナを指示：50,0\n[ToolTip] スチフナ: LINE " + hex(line) + " (0)\n");
    // The highlight went with the request.
    EXPECT_FALSE(zrxhost::isHighlighted(line));
}

TEST_F(HoverPick, NothingQualifyingShowsNotSelectAndGivesThePointAlone)
{
    // A line without the application, and a circle of another type.
    ZcDbObjectId line = addLine(0, 0, 100, 0);
    addToModelSpace(new ZcDbCircle(ZcGePoint3d(300, 0, 0), ZcGeVector3d::kZAxis, 10));
    ZcDbObjectId picked = line;
    ZcGePoint3d at;
    answer({"50,0", "310,0"});
    EXPECT_EQ(TrevanCom_GetARX_Entsel("\nPoint: ", picked, at, "", "STIFF", nullptr), 1);
    EXPECT_EQ(TrevanCom_GetARX_Entsel("\nPoint: ", picked, at, "LINE", "", nullptr), 1);
    EXPECT_EQ(picked, line);
    EXPECT_TRUE(at.isEqualTo(ZcGePoint3d(310, 0, 0)));
    EXPECT_EQ(transcript(), "Point: 50,0\n[ToolTip] NOT SELECT\nPoint: 310,0\n[ToolTip] NOT SELECT\n");
}

TEST_F(HoverPick, EnterAndEscEndThePickAndTheCursorIsNoLongerWatched)
{
    ZcDbObjectId line = addLine(0, 0, 100, 0);
    ZcDbObjectId picked;
    ZcGePoint3d at;
    answer({"", "*cancel*"});
    EXPECT_EQ(TrevanCom_GetARX_Entsel("\nPoint: ", picked, at, "", "", ""), 2);
    EXPECT_EQ(TrevanCom_GetARX_Entsel("\nPoint: ", picked, at, "", "", ""), -1);
    EXPECT_TRUE(picked.isNull());
    transcript();
    ads_point p;
    answer({"50,0"});
    zcedGetPoint(nullptr, "\nPoint: ", p);
    EXPECT_EQ(transcript(), "Point: 50,0\n");
    EXPECT_FALSE(zrxhost::isHighlighted(line));
}

}  // namespace
