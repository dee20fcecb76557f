// The sample hull plans and what lists them: the generator draws the requested number of
// stiffeners, each on its layer with a record that reads back, keeps the bundled plan in step
// and stops with the reason on plans that cannot be drawn; the listing gives one line per
// stiffener in model-space order, unreadable records too.
#include <set>
#include <tuple>
#include <vector>

#include "TrevanCom2002.h"
#include "hull_plan.h"
#include "install_fixture.h"
#include "stiffener_listing.h"
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

// A drawing on a copy of the sample installation whose system folder is on the support path,
// as the product's setup leaves it, so that line types load.
class HullPlanTest : public HostTest {
protected:
    void SetUp() override
    {
        HostTest::SetUp();
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

    SampleInstall install;
    HullPlanSummary summary;
    std::string error, said;
};

class PlanGenerator : public HullPlanTest {
protected:
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
            ZcDbObjectPointer<ZcDbEntity> ent(ids[i], ZcDb::kForRead);
            out.push_back({static_cast<const char*>(TrevanComARX_GetEntityLayerName(ids[i])),
                           static_cast<const char*>(rec.m_strFType), static_cast<const char*>(rec.m_strName),
                           rec.m_ptStart.x, rec.m_ptStart.y, rec.m_ptEnd.x, rec.m_ptEnd.y,
                           ZcDbAlignedDimension::cast(ent.object()) != nullptr});
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
};

TEST_F(PlanGenerator, TheRequestedStiffenersAllReadBackOnTheirLayers)
{
    // A whole tank and most of a second, whose floors and web frame are left plain.
    ASSERT_TRUE(draw(31)) << error << said;
    EXPECT_EQ(summary.stiffeners, 31);
    std::vector<Member> all = members(db.get());
    ASSERT_EQ(all.size(), 31u);
    EXPECT_GT(summary.entities, 31);
    int dimensions = 0, inboard = 0;
    for (const Member& m : all) {
        SCOPED_TRACE(m.name);
        EXPECT_FALSE(m.name.empty());
        if (m.layer == "LONG") {
            // Longitudinals run fore and aft, from watertight floor to watertight floor.
            EXPECT_EQ(m.form.rfind("LONG_", 0), 0u);
            EXPECT_EQ(m.startY, m.endY);
            EXPECT_EQ(m.endX - m.startX, 8000.0);
        } else if (m.layer == "TRANS") {
            // Floors and the web frame cross the longitudinals from the centre line to the
            // side girder.
            EXPECT_EQ(m.form.rfind("TR_", 0), 0u);
            EXPECT_EQ(m.startX, m.endX);
            EXPECT_EQ(m.startY, 0.0);
            EXPECT_EQ(m.endY, 4200.0);
            ++inboard;
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
    EXPECT_EQ(dimensions, 2);
    EXPECT_EQ(inboard, 5);
    expectApart(all);
    EXPECT_EQ(said, "");
}

TEST_F(PlanGenerator, FloorsAndTheWebFrameCrossEveryLongitudinalInsideBoth)
{
    ASSERT_TRUE(draw(19)) << error << said;
    ZcDbObjectIdArray ids;
    ASSERT_TRUE(TrevanCom_GetAllStiffObjectIdArray(ids));
    std::vector<ZcDbObjectId> longs, trans;
    for (ZcDbObjectId id : ids) {
        const std::string layer = static_cast<const char*>(TrevanComARX_GetEntityLayerName(id));
        if (layer == "LONG") longs.push_back(id);
        if (layer == "TRANS") trans.push_back(id);
    }
    ASSERT_EQ(longs.size(), 5u);
    ASSERT_EQ(trans.size(), 5u);
    int crossings = 0;
    for (ZcDbObjectId t : trans) {
        for (ZcDbObjectId l : longs) {
            ZcDbObjectPointer<ZcDbLine> a(t, ZcDb::kForRead), b(l, ZcDb::kForRead);
            ZcGePoint3dArray points;
            ASSERT_EQ(a->intersectWith(b.object(), ZcDb::kOnBothOperands, points), Zcad::eOk);
            ASSERT_EQ(points.length(), 1);
            // A clean crossing: well away from every end of either member.
            for (const ZcGePoint3d& end : {a->startPoint(), a->endPoint(), b->startPoint(), b->endPoint()})
                EXPECT_GT(points[0].distanceTo(end), 500.0);
            ++crossings;
        }
    }
    EXPECT_EQ(crossings, 25);
}

TEST_F(PlanGenerator, OutboardLineStiffenersCarryAYMarkAtEachEndLinkedBothWays)
{
    ASSERT_TRUE(draw(19)) << error << said;
    ZcDbObjectIdArray ids;
    ASSERT_TRUE(TrevanCom_GetAllStiffObjectIdArray(ids));
    int marked = 0, unmarked = 0;
    for (ZcDbObjectId id : ids) {
        CString start, end;
        const bool hasStart = TrevanComARX_GetXdataStr(id, "STIFF_SYMARK_HDNAME", start) == 1;
        const bool hasEnd = TrevanComARX_GetXdataStr(id, "STIFF_EYMARK_HDNAME", end) == 1;
        EXPECT_EQ(hasStart, hasEnd);
        if (!hasStart) {
            ++unmarked;
            continue;
        }
        ++marked;
        ZcGePoint3d s, e;
        ASSERT_TRUE(TrevanCom_GetCurveSEpt(id, s, e));
        for (const auto& [handle, at, backLink] : {std::tuple{start, s, "STIFF_SupportDraw_YMarkS"},
                                                   std::tuple{end, e, "STIFF_SupportDraw_YMarkE"}}) {
            ZcDbObjectPointer<ZcDbBlockReference> mark(TrevanComARX_GetObjid(handle), ZcDb::kForRead);
            ASSERT_EQ(mark.openStatus(), Zcad::eOk);
            EXPECT_TRUE(mark->position().isEqualTo(at));
            CString back;
            EXPECT_EQ(TrevanComARX_GetXdataStr(mark.object(), backLink, back), 1);
            EXPECT_EQ(back, TrevanComARX_GetHandleName(id));
            ZcDbObjectPointer<ZcDbBlockTableRecord> block(mark->blockTableRecord(), ZcDb::kForRead);
            const char* name = nullptr;
            block->getName(name);
            EXPECT_STREQ(name, "YMARK");
        }
    }
    // Eight outboard stiffeners drawn as lines; the longitudinals, the inboard members and
    // the dimension carry none.
    EXPECT_EQ(marked, 8);
    EXPECT_EQ(unmarked, 11);
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

TEST_F(PlanGenerator, APlanThatCannotBeDrawnStopsWithTheReasonBeforeAnyStiffener)
{
    EXPECT_FALSE(draw(0));
    EXPECT_NE(error.find("at least 1"), std::string::npos) << error;
    // A layer kind the installation lacks.
    const std::string layers = install.bytesOf("TREVAN/SYSTEM/STD/TrevanLayer.dat");
    install.put("TREVAN/SYSTEM/STD/TrevanLayer.dat",
                "SH,shell,SHELL,1,CONTINUOUS,1,0\r\nCENTER,cl,CENTER,6,CENTER,Default,0\r\n"
                "FRAMESP,fr,FRAME,8,CENTER,Default,0\r\nTR,tr,TRANS,1,CONTINUOUS,Default,0\r\n");
    EXPECT_FALSE(draw(14));
    EXPECT_NE(error.find("LONG"), std::string::npos) << error;
    EXPECT_EQ(summary.stiffeners, 0);
    // A record that cannot be written names its stiffener.
    install.put("TREVAN/SYSTEM/STD/TrevanLayer.dat", layers);
    std::filesystem::remove(install.at("TREVAN/SYSTEM/STD/stiff.ent"));
    EXPECT_FALSE(draw(14));
    EXPECT_NE(error.find("stiffener 1 (T300x11/100x16)"), std::string::npos) << error;
    EXPECT_EQ(summary.stiffeners, 0);
    ZcDbObjectIdArray ids;
    EXPECT_TRUE(TrevanCom_GetAllStiffObjectIdArray(ids));
    EXPECT_EQ(ids.length(), 0);
}

class StiffenerListing : public HullPlanTest {
protected:
    void SetUp() override
    {
        HullPlanTest::SetUp();
        ASSERT_TRUE(draw(14)) << error;
        ASSERT_TRUE(TrevanCom_GetAllStiffObjectIdArray(ids));
        ASSERT_EQ(ids.length(), 14);
    }
    std::string handle(int i) { return static_cast<const char*>(TrevanComARX_GetHandleName(ids[i])); }
    ZcDbObjectIdArray ids;
};

TEST_F(StiffenerListing, EachStiffenerIsOneLineInModelSpaceOrderUnreadableOnesCounted)
{
    std::vector<std::string> lines;
    long unreadable = -1;
    ASSERT_TRUE(listStiffeners(lines, unreadable));
    EXPECT_EQ(unreadable, 0);
    ASSERT_EQ(lines.size(), 14u);
    // The handle in its column, six wide and a blank.
    const auto column = [&](int i) { return handle(i) + std::string(7 - handle(i).size(), ' '); };
    EXPECT_EQ(lines[0], column(0) + "LONG_T  T300x11/100x16  T300x11,100x16  (0,700) - (8000,700)");
    // A stiffener drawn as a dimension lists the span its record gives.
    EXPECT_EQ(lines[6], column(6) + "TR_FB   FB150x12        FB150x12        (1600,4200) - (1600,8000)");

    // Without its folder file the installation's record layout cannot be found.
    install.forgetFolders();
    lines.clear();
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
    rec.m_rWebWidth = 250;
    rec.m_rWebThick = 10;
    rec.m_rFaceWidth = 90;
    rec.m_rFaceThck = 15;
    rec.m_ptStart = ZcGePoint3d(-0.5, 1234.25, 0);
    rec.m_ptEnd = ZcGePoint3d(1e6, 0, 0);
    EXPECT_EQ(stiffenerLine("1A3F2B9", rec), "1A3F2B9 LONG_A  L250x90x10/15+PL L250x90x10      (-0.5,1234.25) - (1000000,0)");
}

}  // namespace
