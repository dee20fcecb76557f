// Layer status from LISP: the status as a list of flags, and setting it from one, with the
// numbered argument errors of these two functions.
#include "TrevanCom2002.h"
#include "lisp_call_fixture.h"

namespace {

class LayerStatusLisp : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        define("getlayerstatus", TrevanComARX_GetLayerStatusLispFunc);
        define("setlayerstatus", TrevanComARX_SetLayerStatusLispFunc);
        ZcDbLayerTable* table = nullptr;
        ASSERT_EQ(db->getLayerTable(table, ZcDb::kForWrite), Zcad::eOk);
        auto* layer = new ZcDbLayerTableRecord;
        layer->setName("STIFF");
        // Thawed and unlocked, but off and not plottable.
        layer->setIsOff(true);
        layer->setIsPlottable(false);
        ASSERT_EQ(table->add(layer), Zcad::eOk);
        layer->close();
        table->close();
    }
    CLayerStatus stiff()
    {
        CLayerStatus s;
        EXPECT_TRUE(TrevanComARX_GetLayerStatus("STIFF", s));
        return s;
    }
    const CLayerStatus untouched{false, false, true, false};
};

TEST_F(LayerStatusLisp, TheStatusComesAsFourFlags)
{
    EXPECT_EQ(call("(getlayerstatus \"STIFF\")"), "\n(0 0 1 0)\n");
    EXPECT_EQ(call("(getlayerstatus \"0\")"), "\n(0 0 0 1)\n");
}

TEST_F(LayerStatusLisp, AMissingLayerGivesNil)
{
    EXPECT_EQ(call("(getlayerstatus \"NO_SUCH_LAYER\")"), "\nnil\n");
}

TEST_F(LayerStatusLisp, GettingNumbersItsArgumentError)
{
    EXPECT_EQ(call("(getlayerstatus)"), "\n引数エラー\nnil\n");
    EXPECT_EQ(call("(getlayerstatus 1)"), "\n引数エラー1\nnil\n");
}

TEST_F(LayerStatusLisp, SettingTakesEachFlag)
{
    EXPECT_EQ(call("(setlayerstatus \"STIFF\" '(1 0 0 1))"), "\nT\n");
    EXPECT_EQ(stiff(), CLayerStatus(true, false, false, true));
    // Any non-zero integer counts as set.
    EXPECT_EQ(call("(setlayerstatus \"STIFF\" '(0 -1 7 0))"), "\nT\n");
    EXPECT_EQ(stiff(), CLayerStatus(false, true, true, false));
}

TEST_F(LayerStatusLisp, SettingAMissingLayerGivesNil)
{
    EXPECT_EQ(call("(setlayerstatus \"NO_SUCH_LAYER\" '(1 0 0 1))"), "\nnil\n");
}

TEST_F(LayerStatusLisp, SettingNamesThePlaceOfTheFirstBadArgument)
{
    EXPECT_EQ(call("(setlayerstatus)"), "\n引数エラー\nnil\n");
    EXPECT_EQ(call("(setlayerstatus 12 '(1 0 0 1))"), "\n引数エラー1\nnil\n");
    // The flags not in a list of their own.
    EXPECT_EQ(call("(setlayerstatus \"STIFF\" 1 0 0 1)"), "\n引数エラー2\nnil\n");
    EXPECT_EQ(call("(setlayerstatus \"STIFF\" '(1.0 0 0 1))"), "\n引数エラー3\nnil\n");
    EXPECT_EQ(call("(setlayerstatus \"STIFF\" '(1 0 \"0\" 1))"), "\n引数エラー5\nnil\n");
    // Three flags: the list ends where the fourth should be.
    EXPECT_EQ(call("(setlayerstatus \"STIFF\" '(1 0 0))"), "\n引数エラー6\nnil\n");
    EXPECT_EQ(call("(setlayerstatus \"STIFF\" '(1 0 0 1 1))"), "\n引数エラー7\nnil\n");
    // A flag beyond 16 bits does not arrive as a short.
    EXPECT_EQ(call("(setlayerstatus \"STIFF\" '(1 0 0 70000))"), "\n引数エラー6\nnil\n");
    EXPECT_EQ(stiff(), untouched);
}

TEST_F(LayerStatusLisp, ArgumentsAfterTheListAreIgnored)
{
    EXPECT_EQ(call("(setlayerstatus \"STIFF\" '(0 1 0 1) \"more\" 2)"), "\nT\n");
    EXPECT_EQ(stiff(), CLayerStatus(false, true, false, true));
}

}  // namespace
