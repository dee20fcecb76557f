// Tooltips on the command line: when a tip shows, changes and hides.
#include "support/editor_fixture.h"

namespace {

class WinToolTip : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        owner.Attach(adsw_zcadMainWnd());
        ASSERT_TRUE(tip.Create(&owner));
        ASSERT_TRUE(tip.AddTool(&owner, "DefaultString"));
    }
    void TearDown() override
    {
        tip.DestroyWindow();
        owner.Detach();
        EditorTest::TearDown();
    }
    MSG at(UINT message, HWND window)
    {
        MSG m{};
        m.hwnd = window;
        m.message = message;
        m.lParam = MAKELPARAM(10, 10);
        return m;
    }
    CWnd owner;
    CToolTipCtrl tip;
};

TEST_F(WinToolTip, AMoveOverTheToolShowsTheTipOnceAndANewTextShowsAgain)
{
    MSG move = at(WM_MOUSEMOVE, adsw_zcadMainWnd());
    tip.UpdateTipText("LINE", &owner);
    EXPECT_EQ(transcript(), "");
    tip.RelayEvent(&move);
    tip.RelayEvent(&move);
    EXPECT_EQ(transcript(), "[ToolTip] LINE\n");
    tip.UpdateTipText("LINE", &owner);
    EXPECT_EQ(transcript(), "");
    tip.UpdateTipText("NOT SELECT", &owner);
    EXPECT_EQ(transcript(), "[ToolTip] NOT SELECT\n");
    CString text;
    tip.GetText(text, &owner);
    EXPECT_EQ(text, "NOT SELECT");
}

TEST_F(WinToolTip, AClickPopAndDeactivationHideTheTip)
{
    MSG move = at(WM_MOUSEMOVE, adsw_zcadMainWnd());
    MSG down = at(WM_LBUTTONDOWN, adsw_zcadMainWnd());
    tip.RelayEvent(&move);
    tip.RelayEvent(&down);
    tip.UpdateTipText("hidden", &owner);
    EXPECT_EQ(transcript(), "[ToolTip] DefaultString\n");
    tip.RelayEvent(&move);
    tip.Pop();
    tip.RelayEvent(&move);
    EXPECT_EQ(transcript(), "[ToolTip] hidden\n[ToolTip] hidden\n");
    tip.Activate(FALSE);
    tip.RelayEvent(&move);
    // Nor does a move over no tool show anything.
    tip.Activate(TRUE);
    tip.Pop();
    MSG elsewhere = at(WM_MOUSEMOVE, nullptr);
    tip.RelayEvent(&elsewhere);
    EXPECT_EQ(transcript(), "");
}

TEST_F(WinToolTip, TheAutomaticDelaySetsTheOthersAsWindowsDerivesThem)
{
    EXPECT_EQ(tip.GetDelayTime(TTDT_INITIAL), 500);
    tip.SetDelayTime(TTDT_AUTOMATIC, 100);
    EXPECT_EQ(tip.GetDelayTime(TTDT_INITIAL), 100);
    EXPECT_EQ(tip.GetDelayTime(TTDT_AUTOPOP), 1000);
    EXPECT_EQ(tip.GetDelayTime(TTDT_RESHOW), 20);
    EXPECT_FALSE(tip.Create(&owner));
}

}  // namespace
