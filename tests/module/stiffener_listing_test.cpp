// Listing a drawing's stiffeners: one line per stiffener in model-space order with handle,
// form, section name and end points, and the stiffeners whose record cannot be read.
#include "TrevanCom2002.h"
#include "hull_plan.h"
#include "install_fixture.h"
#include "stiffener_listing.h"
#include "support/host_fixture.h"
#include "zrxhost/command_line.h"
#include "zrxhost/session.h"

namespace {

class StiffenerListing : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        zrxhost::setSupportFolders({install.at("TREVAN/SYSTEM").string()});
        zrxhost::setCommandLineSink([](std::string_view) {});
        HullPlanOptions options;
        options.stiffeners = 14;
        HullPlanSummary summary;
        std::string error;
        ASSERT_TRUE(drawHullPlan(db.get(), options, summary, error)) << error;
        ASSERT_TRUE(TrevanCom_GetAllStiffObjectIdArray(ids));
        ASSERT_EQ(ids.length(), 14);
    }
    void TearDown() override
    {
        zrxhost::setCommandLineSink(nullptr);
        zrxhost::setSupportFolders({});
        HostTest::TearDown();
    }
    std::string handle(int i) { return static_cast<const char*>(TrevanComARX_GetHandleName(ids[i])); }
    // The handle in its column, six wide and a blank.
    std::string handleColumn(int i) { return handle(i) + std::string(7 - handle(i).size(), ' '); }

    SampleInstall install;
    ZcDbObjectIdArray ids;
};

TEST_F(StiffenerListing, EachStiffenerIsOneLineInModelSpaceOrder)
{
    std::vector<std::string> lines;
    long unreadable = -1;
    ASSERT_TRUE(listStiffeners(lines, unreadable));
    EXPECT_EQ(unreadable, 0);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[0], handleColumn(0) + "LONG_T  T300x11/100x16  (0,700) - (8000,700)");
    // A stiffener drawn as a dimension lists the span its record gives.
    EXPECT_EQ(lines[6], handleColumn(6) + "FB      FB150x12        (1600,4200) - (1600,8000)");
}

TEST_F(StiffenerListing, RecordsThatCannotBeReadAreListedAndCounted)
{
    // Without its folder file the installation's record layout cannot be found.
    install.forgetFolders();
    std::vector<std::string> lines;
    long unreadable = 0;
    ASSERT_TRUE(listStiffeners(lines, unreadable));
    EXPECT_EQ(unreadable, 14);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[13], handle(13) + "  (record not readable)");
}

TEST_F(StiffenerListing, ShortValuesAndLongNamesKeepTheirColumns)
{
    CStiffData rec;
    rec.m_strFType = "LONG_A";
    rec.m_strName = "L250x90x10/15+PL";
    rec.m_ptStart = ZcGePoint3d(-0.5, 1234.25, 0);
    rec.m_ptEnd = ZcGePoint3d(1e6, 0, 0);
    EXPECT_EQ(stiffenerLine("1A3F2B9", rec), "1A3F2B9 LONG_A  L250x90x10/15+PL (-0.5,1234.25) - (1000000,0)");
}

}  // namespace
