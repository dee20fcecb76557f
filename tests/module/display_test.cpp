// The zoom to the drawing's extents.
#include "TrevanCom2002.h"
#include "support/editor_fixture.h"

namespace {

class Display : public EditorTest {};

TEST_F(Display, TheZoomCentresTheExtentsAndFallsBackToTheSheetFrame)
{
    ZcGsView* view = zcgsGetGsView(2, true);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(TrevanComARX_ZoomCurDwg());
    ASSERT_TRUE(zcgsGetViewParameters(2, view));
    EXPECT_NEAR(view->target().x, 1657.44, 1e-9);
    EXPECT_NEAR(view->target().y, 1485.0, 1e-9);
    EXPECT_NEAR(view->fieldHeight(), 2970.0, 1e-9);

    addLine(100, 200, 500, 200);
    addLine(100, 0, 100, 100);
    ASSERT_TRUE(TrevanComARX_ZoomCurDwg());
    ASSERT_TRUE(zcgsGetViewParameters(2, view));
    EXPECT_NEAR(view->target().x, 300.0, 1e-9);
    EXPECT_NEAR(view->target().y, 100.0, 1e-9);
    // 400 wide and 200 high: the screen's shape makes the width decide.
    EXPECT_NEAR(view->fieldWidth(), 400.0, 1e-9);
}

}  // namespace
