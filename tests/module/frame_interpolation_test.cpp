// Frame sections from LISP on a hull form simple enough to compute by hand: the half
// breadth of frame position x at height y is 100 + 0.1x + 0.2y, so sections are straight and
// every interpolation along the ship is exact. Interpolating a section between drawn ones,
// choosing the sections to interpolate from, and plan and vertical lines from cut lines of
// a lines drawing opened beside the current one.
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"
#include "zrxhost/spaces.h"

namespace {

double breadth(double x, double y) { return 100.0 + 0.1 * x + 0.2 * y; }

class FrameInterpolation : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        define("divpoints", TrevanComARX_GetDivLinePoints);
        define("neighbours", TrevanComARX_SSGetBNLines);
        define("planline", TrevanComARX_MakePlanLine);
        define("vertline", TrevanComARX_MakeVerticalLine);
        for (const char* app : {"A_FNAM", "A_KYOD", "BREAKINTOLINE", "A_HCUTLINE", "A_HCUTLINENAME", "A_VCUTLINE",
                                "A_VCUTLINENAME", "DCLS"})
            zcdbRegApp(app);
    }
    // A frame section from height 0 to top, by default at elevation 50 as drawn on another level.
    ZcDbObjectId section(ZcDbDatabase* into, const char* name, double x, double top = 3000, double elevation = 50)
    {
        auto* pl = new ZcDbPolyline;
        pl->addVertexAt(0, ZcGePoint2d(breadth(x, 0), 0));
        pl->addVertexAt(1, ZcGePoint2d(breadth(x, top), top));
        pl->setElevation(elevation);
        resbuf* xd = zcutBuildList(1001, "A_FNAM", 1000, name, 1001, "A_KYOD", 1040, x, 0);
        pl->setXData(xd);
        zcutRelRb(xd);
        return append(into, pl);
    }
    ZcDbObjectId append(ZcDbDatabase* into, ZcDbEntity* e)
    {
        ZcDbBlockTableRecord* ms = nullptr;
        EXPECT_EQ(zcdbOpenObject(ms, zrxhost::modelSpaceId(into), ZcDb::kForWrite), Zcad::eOk);
        ZcDbObjectId id;
        ms->appendZcDbEntity(id, e);
        e->close();
        ms->close();
        return id;
    }
    // The fit points of the last spline of the current drawing.
    std::vector<ZcGePoint3d> lastSplinePoints(std::string* name = nullptr)
    {
        ads_name last;
        zcdbEntLast(last);
        ZcDbObjectPointer<ZcDbSpline> spline(idOf(last), ZcDb::kForRead);
        std::vector<ZcGePoint3d> out;
        if (spline.openStatus() != Zcad::eOk) return out;
        for (int i = 0; i < spline->numFitPoints(); ++i) {
            ZcGePoint3d p;
            spline->getFitPointAt(i, p);
            out.push_back(p);
        }
        if (name != nullptr) {
            CString fnam;
            TrevanComARX_GetXdataStr(spline.object(), "A_FNAM", fnam);
            *name = fnam.GetString();
        }
        return out;
    }
    std::string set(const std::vector<ZcDbObjectId>& ids)
    {
        std::string e = "(setq s (ssadd))";
        for (ZcDbObjectId id : ids) e = "(progn " + e + " (ssadd " + ename(id) + " s))";
        return e;
    }
    void expectPoints(const std::vector<ZcGePoint3d>& got, const std::vector<ZcGePoint3d>& want)
    {
        ASSERT_EQ(got.size(), want.size());
        for (size_t i = 0; i < got.size(); ++i) EXPECT_LT(got[i].distanceTo(want[i]), 1e-6) << i << ": " << got[i].x << "," << got[i].y;
    }
};

TEST_F(FrameInterpolation, ANewSectionBetweenDrawnOnesFromTheTopDown)
{
    std::vector<ZcDbObjectId> frames;
    for (int k = 1; k <= 4; ++k) frames.push_back(section(db.get(), std::to_string(k).c_str(), 1000.0 * k));
    ZcDbObjectId a = addLine(-100, 1000, 5000, 1000), b = addLine(-100, 0, 5000, 0);
    call(set(frames));
    call("(divpoints " + ename(frames[1]) + " s " + ename(a) + " " + ename(b) + " 500.0 4 '(0.0 0.0 0.0))");
    std::string name;
    std::vector<ZcGePoint3d> got = lastSplinePoints(&name);
    std::vector<ZcGePoint3d> want;
    for (double y : {1000.0, 750.0, 500.0, 250.0, 0.0}) want.emplace_back(breadth(2500, y), y, 0);
    expectPoints(got, want);
    EXPECT_EQ(name, "2+5000");
    // The drawn sections keep their elevation: only copies were laid flat.
    ZcDbObjectPointer<ZcDbPolyline> drawn(frames[0], ZcDb::kForRead);
    EXPECT_EQ(drawn->elevation(), 50.0);
}

TEST_F(FrameInterpolation, ALevelReachedOnOneSideOnlyGivesNoPoint)
{
    std::vector<ZcDbObjectId> frames = {section(db.get(), "1", 1000, 3000), section(db.get(), "2", 2000, 600),
                                        section(db.get(), "3", 3000, 600)};
    ZcDbObjectId a = addLine(0, 1000, 10, 1000), b = addLine(0, 0, 10, 0);
    call(set(frames));
    call("(divpoints " + ename(frames[1]) + " s " + ename(a) + " " + ename(b) + " -12.5 4 '(0.0 0.0 0.0))");
    std::string name;
    std::vector<ZcGePoint3d> got = lastSplinePoints(&name);
    std::vector<ZcGePoint3d> want;
    for (double y : {500.0, 250.0, 0.0}) want.emplace_back(breadth(1987.5, y), y, 0);
    expectPoints(got, want);
    EXPECT_EQ(name, "2-125");
}

TEST_F(FrameInterpolation, NoCrossingOrNoDivisionsDrawsNothing)
{
    std::vector<ZcDbObjectId> frames = {section(db.get(), "1", 1000), section(db.get(), "2", 2000)};
    ZcDbObjectId a = addLine(0, 9000, 10, 9000), b = addLine(0, 8000, 10, 8000);
    call(set(frames));
    std::string said = call("(divpoints " + ename(frames[0]) + " s " + ename(a) + " " + ename(b) + " 500.0 4 '(0.0 0.0 0.0))");
    EXPECT_EQ(said, "\n指定した基準ﾌﾚｰﾑとA・B線分の交点が見つかりませんでした.\nnil\n");
    said = call("(divpoints " + ename(frames[0]) + " s " + ename(a) + " " + ename(b) + " 500.0 0 '(0.0 0.0 0.0))");
    EXPECT_EQ(said, "\n分割数が0より小さいです.\nnil\n");
    EXPECT_TRUE(lastSplinePoints().empty());
    EXPECT_EQ(call("(divpoints " + ename(frames[0]) + ")"), "\n引数エラー\nnil\n");
}

TEST_F(FrameInterpolation, TheBaseSectionsLockedLayerTakesTheNewOneAndIsLockedAgain)
{
    std::vector<ZcDbObjectId> frames = {section(db.get(), "1", 1000), section(db.get(), "2", 2000)};
    CLayerStatus locked(false, true, false, true);
    TrevanComARX_SetLayerStatus("0", locked);
    ZcDbObjectId a = addLine(0, 1000, 10, 1000), b = addLine(0, 0, 10, 0);
    call(set(frames));
    call("(divpoints " + ename(frames[0]) + " s " + ename(a) + " " + ename(b) + " 500.0 2 '(0.0 0.0 0.0))");
    EXPECT_EQ(lastSplinePoints().size(), 3u);
    CLayerStatus after;
    ASSERT_TRUE(TrevanComARX_GetLayerStatus("0", after));
    EXPECT_TRUE(after.m_bLocked);
}

TEST_F(FrameInterpolation, NeighboursComeByPositionWithoutTheBaseOrInterpolatedOnes)
{
    ZcDbObjectId base = section(db.get(), "2", 2000);
    ZcDbObjectId aft = section(db.get(), "1", 1000), fore = section(db.get(), "4", 4000), mid = section(db.get(), "3", 3000);
    ZcDbObjectId made = section(db.get(), "2+5000", 2500);
    {
        ZcDbObjectPointer<ZcDbEntity> e(made, ZcDb::kForWrite);
        TrevanComARX_SetXdataStr(e.object(), "BREAKINTOLINE", "DMY");
    }
    // Only the base and a made one first: refused and asked again; then all of them.
    answer({"#" + hex(base), "#" + hex(made), "", "#" + hex(fore), "#" + hex(aft), "#" + hex(base), "#" + hex(mid),
            "#" + hex(made), ""});
    std::string said = call("(setq n (neighbours " + ename(base) + "))");
    EXPECT_NE(said.find("基準ﾌﾚｰﾑ・割り込みで作成したﾌﾚｰﾑ以外を指示してください."), std::string::npos) << said;
    std::string order = call("(mapcar '(lambda (k) (cdr (assoc 5 (entget (ssname n k))))) '(0 1 2))");
    EXPECT_EQ(order, "\n(\"" + hex(aft) + "\" \"" + hex(mid) + "\" \"" + hex(fore) + "\")\n");
    answer({"*cancel*"});
    said = call("(neighbours " + ename(base) + ")");
    EXPECT_EQ(said.substr(said.size() - 4), "nil\n");
}

// A lines drawing of its own beside the current one: four sections, the waterline WL500,
// the buttock BL600, the base point at the origin.
class CutLines : public FrameInterpolation {
protected:
    void SetUp() override
    {
        FrameInterpolation::SetUp();
        ZcDbDatabase lines;
        ZcDbDatabase* working = zcdbHostApplicationServices()->workingDatabase();
        zcdbHostApplicationServices()->setWorkingDatabase(&lines);
        for (const char* app : {"A_FNAM", "A_KYOD", "A_HCUTLINE", "A_HCUTLINENAME", "A_VCUTLINE", "A_VCUTLINENAME", "DCLS"})
            zcdbRegApp(app);
        for (int k = 1; k <= 4; ++k) section(&lines, std::to_string(k).c_str(), 1000.0 * k, 3000, 0);
        cut(lines, new ZcDbLine({0, 500, 0}, {5000, 500, 0}), "A_HCUTLINE", "A_HCUTLINENAME", "WL500");
        cut(lines, new ZcDbLine({600, 0, 0}, {600, 4000, 0}), "A_VCUTLINE", "A_VCUTLINENAME", "BL600");
        auto* base = new ZcDbPoint({0, 0, 0});
        resbuf* xd = zcutBuildList(1001, "DCLS", 1000, "1", 0);
        base->setXData(xd);
        zcutRelRb(xd);
        append(&lines, base);
        zcdbHostApplicationServices()->setWorkingDatabase(working);
        std::filesystem::create_directories(c.at("Lines"));
        ASSERT_EQ(lines.saveAs(c.at("Lines/body.dwg").c_str()), Zcad::eOk);
    }
    void cut(ZcDbDatabase& lines, ZcDbLine* line, const char* app, const char* nameApp, const char* name)
    {
        resbuf* xd = zcutBuildList(1001, app, 1000, "1", 1001, nameApp, 1000, name, 0);
        line->setXData(xd);
        zcutRelRb(xd);
        append(&lines, line);
    }
    TempDriveC c;
};

TEST_F(CutLines, APlanLineThroughTheHalfBreadthsAtAWaterline)
{
    EXPECT_EQ(call("(planline \"C:\\\\LINES\\\\body.dwg\" \"wl500\" \"PLAN\")"), "\nT\n");
    std::vector<ZcGePoint3d> want;
    for (double x : {1000.0, 2000.0, 3000.0, 4000.0}) want.emplace_back(x, breadth(x, 500), 0);
    expectPoints(lastSplinePoints(), want);
    ads_name last;
    zcdbEntLast(last);
    ZcDbObjectPointer<ZcDbEntity> line(idOf(last), ZcDb::kForRead);
    char* layer = line->layer();
    EXPECT_STREQ(layer, "PLAN");
    zcutDelString(layer);
}

TEST_F(CutLines, AVerticalLineThroughTheHeightsAtAButtock)
{
    EXPECT_EQ(call("(vertline \"C:\\\\LINES\\\\body.dwg\" \"BL600\" \"PROFILE\" 0)"), "\nT\n");
    // 100 + 0.1x + 0.2y = 600.
    std::vector<ZcGePoint3d> want;
    for (double x : {1000.0, 2000.0, 3000.0, 4000.0}) want.emplace_back(x, (500.0 - 0.1 * x) / 0.2, 0);
    expectPoints(lastSplinePoints(), want);
}

TEST_F(CutLines, AMissingDrawingOrCutLineDrawsNothing)
{
    EXPECT_EQ(call("(planline \"C:\\\\LINES\\\\none.dwg\" \"WL500\" \"PLAN\")"), "\nDWGオープンエラー\nnil\n");
    std::string said = call("(planline \"C:\\\\LINES\\\\body.dwg\" \"WL9999\" \"PLAN\")");
    EXPECT_EQ(said.substr(said.size() - 4), "nil\n");
    EXPECT_TRUE(lastSplinePoints().empty());
    EXPECT_EQ(call("(planline \"C:\\\\LINES\\\\body.dwg\")"), "\n引数エラー\nnil\n");
}

}  // namespace

namespace {

// The bundled body plan, as a user of the sample drawings meets it.
class SampleBodyPlan : public FrameInterpolation {
protected:
    void SetUp() override
    {
        FrameInterpolation::SetUp();
        std::filesystem::create_directories(c.at("Lines"));
        std::filesystem::copy_file(std::string(TREVAN_SAMPLE_INSTALL) + "/../drawings/lines_body_plan.dxf",
                                   c.at("Lines/body.dxf"));
    }
    TempDriveC c;
};

TEST_F(SampleBodyPlan, EveryWaterlineGivesAPlanLineNarrowingTowardsTheStem)
{
    for (int wl = 2000; wl <= 16000; wl += 2000) {
        std::string cut = "WL" + std::to_string(wl);
        ASSERT_EQ(call("(planline \"C:\\\\LINES\\\\body.dxf\" \"" + cut + "\" \"PLAN\" 1)"), "\nT\n") << cut;
        std::vector<ZcGePoint3d> line = lastSplinePoints();
        // Both frames of the parallel body and the 21 of the fore body are crossed.
        ASSERT_EQ(line.size(), 23u) << cut;
        EXPECT_NEAR(line.front().y, 16000.0, 1.0) << cut;
        for (size_t k = 1; k < line.size(); ++k) {
            EXPECT_GT(line[k].x, line[k - 1].x) << cut;
            EXPECT_LE(line[k].y, line[k - 1].y + 1e-6) << cut << " at " << line[k].x;
        }
    }
}

}  // namespace
