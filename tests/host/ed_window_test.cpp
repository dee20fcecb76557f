// Watching the main window's messages: an answered point moves the cursor there and clicks.
#include <vector>

#include "support/editor_fixture.h"
#include "zrxhost/spaces.h"

namespace {

std::vector<MSG> g_seen;
void watch(const MSG* msg) { g_seen.push_back(*msg); }
void watchOnce(const MSG* msg)
{
    g_seen.push_back(*msg);
    zcedRemoveWatchWinMsg(watchOnce);
}

class EdWindow : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        g_seen.clear();
    }
    void TearDown() override
    {
        zcedRemoveWatchWinMsg(watch);
        zcedRemoveWatchWinMsg(watchOnce);
        EditorTest::TearDown();
    }
};

TEST_F(EdWindow, APointAnswerMovesTheCursorThereAndClicks)
{
    ASSERT_TRUE(zcedRegisterWatchWinMsg(watch));
    ads_point p;
    answer({"210,148.5"});
    ASSERT_EQ(zcedGetPoint(nullptr, "\nPoint: ", p), RTNORM);
    ASSERT_EQ(g_seen.size(), 3u);
    EXPECT_EQ(g_seen[0].message, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(g_seen[1].message, static_cast<UINT>(WM_LBUTTONDOWN));
    EXPECT_EQ(g_seen[1].wParam, static_cast<WPARAM>(MK_LBUTTON));
    EXPECT_EQ(g_seen[2].message, static_cast<UINT>(WM_LBUTTONUP));
    // The centre of a new drawing's view is the centre of the screen.
    EXPECT_EQ(g_seen[0].pt.x, 800);
    EXPECT_EQ(g_seen[0].pt.y, 450);
    EXPECT_EQ(GET_X_LPARAM(g_seen[0].lParam), 800);
    EXPECT_EQ(GET_Y_LPARAM(g_seen[0].lParam), 450);
    EXPECT_EQ(g_seen[0].hwnd, adsw_zcadMainWnd());
    EXPECT_TRUE(IsWindow(adsw_zcadMainWnd()));
}

TEST_F(EdWindow, PicksByPointClickButHandlesAndTextsDoNot)
{
    addLine(0, 0, 100, 0);
    ASSERT_TRUE(zcedRegisterWatchWinMsg(watch));
    ads_name e;
    ads_point at;
    char text[133];
    answer({"#" + hex(zrxhost::modelSpaceId(db.get())), "50,0", "word"});
    zcedEntSel("\nSelect: ", e, at);
    EXPECT_TRUE(g_seen.empty());
    zcedEntSel("\nSelect: ", e, at);
    EXPECT_EQ(g_seen.size(), 3u);
    zcedGetString(0, "\nText: ", text);
    EXPECT_EQ(g_seen.size(), 3u);
}

TEST_F(EdWindow, AWatcherIsRegisteredOnceAndMayLeaveWhileTold)
{
    EXPECT_TRUE(zcedRegisterWatchWinMsg(watchOnce));
    EXPECT_FALSE(zcedRegisterWatchWinMsg(watchOnce));
    EXPECT_FALSE(zcedRegisterWatchWinMsg(nullptr));
    ads_point p;
    answer({"1,1", "2,2"});
    zcedGetPoint(nullptr, "\nPoint: ", p);
    zcedGetPoint(nullptr, "\nPoint: ", p);
    EXPECT_EQ(g_seen.size(), 1u);
    EXPECT_FALSE(zcedRemoveWatchWinMsg(watchOnce));
}

}  // namespace
