// The sample hull plan generator: the requested number of stiffeners, each on its layer with
// a record that reads back, the bundled plan kept in step with the generator, and plans that
// cannot be drawn stopping with the reason.
#include <set>
#include <tuple>
#include <vector>

#include "TrevanCom2002.h"
#include "hull_plan.h"
#include "install_fixture.h"
#include "support/host_fixture.h"
#include "zrxhost/command_line.h"
#include "zrxhost/session.h"

namespace {

const std::string kBundledPlan = std::string(TREVAN_SAMPLE_INSTALL) + "/../drawings/plan.dxf";

// A stiffener as the module sees it: its entity's layer and kind, and its record.
struct Member {
    std::string layer, form, name;
    double startX, startY, endX, endY;
    bool dimension;
    auto key() const { return std::tie(layer, form, name, startX, startY, endX, endY, dimension); }
    bool operator==(const Member& o) const { return key() == o.key(); }
};

class PlanGenerator : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
        // The product's setup puts its system folder on the support path: line types load.
        zrxhost::setSupportFolders({install.at("TREVAN/SYSTEM").string()});
        zrxhost::setCommandLineSink([this](std::string_view t) { said += t; });
    }
    void TearDown() override
    {
        zrxhost::setCommandLineSink(nullptr);
        zrxhost::setSupportFolders({});
        HostTest::TearDown();
    }

    bool draw(long stiffeners)
    {
        HullPlanOptions options;
        options.stiffeners = stiffeners;
        return drawHullPlan(db.get(), options, summary, error);
    }

    // Every stiffener of the drawing, in model-space order, each record read back.
    std::vector<Member> members(ZcDbDatabase* drawing)
    {
        zcdbHostApplicationServices()->setWorkingDatabase(drawing);
        ZcDbObjectIdArray ids;
        EXPECT_TRUE(TrevanCom_GetAllStiffObjectIdArray(ids));
        std::vector<Member> out;
        for (int i = 0; i < ids.length(); ++i) {
            CStiffData rec;
            EXPECT_TRUE(TrevanComARX_GetStiffdata(ids[i], rec)) << "stiffener " << i;
            bool dimension = false;
            {
                ZcDbObjectPointer<ZcDbEntity> ent(ids[i], ZcDb::kForRead);
                dimension = ZcDbAlignedDimension::cast(ent.object()) != nullptr;
            }
            out.push_back({static_cast<const char*>(TrevanComARX_GetEntityLayerName(ids[i])),
                           static_cast<const char*>(rec.m_strFType), static_cast<const char*>(rec.m_strName),
                           rec.m_ptStart.x, rec.m_ptStart.y, rec.m_ptEnd.x, rec.m_ptEnd.y, dimension});
        }
        zcdbHostApplicationServices()->setWorkingDatabase(db.get());
        return out;
    }

    static void expectApart(const std::vector<Member>& all)
    {
        std::set<std::tuple<double, double, double, double>> places;
        for (const Member& m : all) {
            EXPECT_TRUE(places.emplace(m.startX, m.startY, m.endX, m.endY).second)
                << m.name << " drawn twice at " << m.startX << "," << m.startY;
        }
    }

    SampleInstall install;
    HullPlanSummary summary;
    std::string error, said;
};

TEST_F(PlanGenerator, TheRequestedStiffenersAllReadBackOnTheirLayers)
{
    // Two tanks and the first three longitudinals of a third.
    ASSERT_TRUE(draw(31)) << error << said;
    EXPECT_EQ(summary.stiffeners, 31);
    std::vector<Member> all = members(db.get());
    ASSERT_EQ(all.size(), 31u);
    EXPECT_GT(summary.entities, 31);
    int dimensions = 0;
    for (const Member& m : all) {
        SCOPED_TRACE(m.name);
        EXPECT_FALSE(m.name.empty());
        if (m.layer == "LONG") {
            // Longitudinals run fore and aft, from watertight floor to watertight floor.
            EXPECT_EQ(m.form.rfind("LONG_", 0), 0u);
            EXPECT_EQ(m.startY, m.endY);
            EXPECT_EQ(m.endX - m.startX, 8000.0);
        } else {
            // Transverse stiffeners span from the side girder to the shell, also those
            // drawn as dimensions, whose end points come from the dimension's geometry.
            EXPECT_EQ(m.layer, "STIFF");
            EXPECT_EQ(m.startX, m.endX);
            EXPECT_EQ(m.startY, 4200.0);
            EXPECT_EQ(m.endY, 8000.0);
        }
        dimensions += m.dimension ? 1 : 0;
    }
    EXPECT_GT(dimensions, 0);
    EXPECT_LT(dimensions, 31);
    expectApart(all);
    EXPECT_EQ(said, "");
}

TEST_F(PlanGenerator, APlanPastOneSheetGoesOnBelowWithoutOverlaps)
{
    // Thirty tanks of fourteen fill one sheet; one more starts the next.
    ASSERT_TRUE(draw(421)) << error << said;
    std::vector<Member> all = members(db.get());
    ASSERT_EQ(all.size(), 421u);
    expectApart(all);
    EXPECT_GE(all[419].startY, 0.0);
    EXPECT_LT(all[420].startY, 0.0);
}

TEST_F(PlanGenerator, TheBundledPlanIsWhatTheGeneratorMakesNow)
{
    ZcDbDatabase bundled(false, true);
    ASSERT_EQ(bundled.readDwgFile(kBundledPlan.c_str()), Zcad::eOk) << kBundledPlan;
    std::vector<Member> onDisk = members(&bundled);
    ASSERT_TRUE(draw(HullPlanOptions{}.stiffeners)) << error << said;
    std::vector<Member> now = members(db.get());
    ASSERT_EQ(onDisk.size(), now.size()) << "regenerate it: plan_generator examples/drawings/plan.dxf";
    for (size_t i = 0; i < now.size(); ++i) EXPECT_EQ(onDisk[i], now[i]) << "stiffener " << i << ": " << now[i].name;
}

TEST_F(PlanGenerator, ACountBelowOneDrawsNothing)
{
    EXPECT_FALSE(draw(0));
    EXPECT_NE(error.find("at least 1"), std::string::npos) << error;
    ZcDbObjectIdArray all;
    EXPECT_TRUE(TrevanCom_GetAllObjectIdArray(db.get(), all, ""));
    EXPECT_EQ(all.length(), 0);
}

TEST_F(PlanGenerator, ALayerKindTheInstallationLacksStopsThePlanBeforeAnyStiffener)
{
    install.put("TREVAN/SYSTEM/STD/TrevanLayer.dat",
                "SH,shell,SHELL,1,CONTINUOUS,1,0\r\nCENTER,cl,CENTER,6,CENTER,Default,0\r\n"
                "FRAMESP,fr,FRAME,8,CENTER,Default,0\r\nTR,tr,TRANS,1,CONTINUOUS,Default,0\r\n");
    EXPECT_FALSE(draw(14));
    EXPECT_NE(error.find("LONG"), std::string::npos) << error;
    EXPECT_EQ(summary.stiffeners, 0);
}

TEST_F(PlanGenerator, ARecordThatCannotBeWrittenStopsThePlanAndSaysWhich)
{
    std::filesystem::remove(install.at("TREVAN/SYSTEM/STD/stiff.ent"));
    EXPECT_FALSE(draw(14));
    EXPECT_NE(error.find("stiffener 1 (T300x11/100x16)"), std::string::npos) << error;
    EXPECT_EQ(summary.stiffeners, 0);
    ZcDbObjectIdArray ids;
    EXPECT_TRUE(TrevanCom_GetAllStiffObjectIdArray(ids));
    EXPECT_EQ(ids.length(), 0);
}

}  // namespace
