// Intersection points placed in the plan: the members picked, the detail drawing chosen in
// its dialog, the point named and given its keys, its brackets drawn on the partner's web
// and turned to the other face, and what sibling modules look up; every way out leaves no
// object open and PICKSTYLE as it was.
#include <cmath>
#include <string>
#include <vector>

#include "cross_point_fixture.h"

namespace {

class CrossPoints : public CrossPointTest {
protected:
    void SetUp() override
    {
        CrossPointTest::SetUp();
        through = member(throughSection, {0, -1000, 0}, {0, 1000, 0});
        right = member(rightSection, {0, 0, 0}, {1000, 0, 0});
        actualPlateDisplay();
        setVar("PICKSTYLE", 0);
    }
    void setVar(const char* name, int value)
    {
        resbuf rb{};
        rb.restype = RTSHORT;
        rb.resval.rint = static_cast<short>(value);
        ASSERT_EQ(zcedSetVar(name, &rb), RTNORM);
    }
    int var(const char* name)
    {
        resbuf rb{};
        zcedGetVar(name, &rb);
        return rb.resval.rint;
    }
    // One bracket plate right of the through member, reaching 20 to 300 from its web centre.
    std::string rightDetail(const std::string& symbol = "SYM1")
    {
        DetailDrawing d;
        d.through = &throughSection;
        d.right = &rightSection;
        d.plates = {nearPlate};
        return writeDetail("S1234", "F150-F200", symbol, d);
    }
    std::vector<std::string> placing(const std::string& symbol, const std::string& name = "X1")
    {
        return {pick(through), pick(right), "", "select 202 S1234", "select 201 " + symbol, "click 1", name};
    }

    ZcDbObjectId through, right;
};

TEST_F(CrossPoints, APlacedPointCarriesItsMembersDetailAndNameAndGetsItsBracketOnTheMouldFace)
{
    const std::string path = rightDetail();
    answer(placing("SYM1"));
    const std::string out = call("(crossset)");
    EXPECT_NE(out.find("\n交差部名称を入力"), std::string::npos) << out;
    const ZcDbObjectIdArray points = carrying("Point_StiffCross");
    ASSERT_EQ(points.length(), 1) << out;
    const ZcDbObjectId point = points[0];
    {
        ZcDbObjectPointer<ZcDbPoint> p(point, ZcDb::kForRead);
        ASSERT_EQ(p.openStatus(), Zcad::eOk);
        EXPECT_TRUE(p->position().isEqualTo(ZcGePoint3d(0, 0, 0)));
        EXPECT_STREQ(TrevanComARX_GetEntityLayerName(point).str().c_str(), "SSS_CROSSPOINT");
    }
    EXPECT_EQ(xdataStr(point, "Point_StiffCross"), "DMY");
    EXPECT_EQ(xdataStr(point, "Point_StiffCrossA_HanleName"), hex(through));
    EXPECT_EQ(xdataStr(point, "Point_StiffCrossB1_HanleName"), hex(right));
    EXPECT_EQ(xdataStr(point, "Point_StiffCrossB2_HanleName"), "");
    EXPECT_EQ(CString(xdataStr(point, "Point_StiffCross_DwgName").c_str()).CompareNoCase(path.c_str()), 0);
    EXPECT_EQ(xdataStr(point, "Point_StiffCross_Name"), "X1");
    EXPECT_EQ(var("PDMODE"), 3);
    EXPECT_EQ(var("PICKSTYLE"), 0);

    // Web centre x 5, the partner's mould line y 0 with its plate side below: the bracket
    // lies on the mould face, 12 thick, 20 to 300 out from the centre.
    const ZcDbObjectIdArray brackets = carrying("CROSS_SUPPORTBRACKET");
    ASSERT_EQ(brackets.length(), 1);
    expectCorners(brackets[0], {{25, 0}, {305, 0}, {305, 12}, {25, 12}});
    EXPECT_EQ(xdataStr(brackets[0], "CROSS_SUPPORTBRACKET_AXIS"), "R");
    EXPECT_EQ(xdataStr(brackets[0], "CROSS_SUPPORTBRACKET_PARENT_HanleName"), hex(point));
    ZcDbObjectPointer<ZcDbEntity> b(brackets[0], ZcDb::kForRead);
    EXPECT_EQ(b->colorIndex(), 6);
    EXPECT_STREQ(TrevanComARX_GetEntityLayerName(brackets[0]).str().c_str(), "SSS_CROSSPOINT");
}

TEST_F(CrossPoints, AreaAndWeightComeFromTheDetailsPlatesWithTheGravityOfEachMaterial)
{
    DetailDrawing d;
    d.through = &throughSection;
    d.right = &rightSection;
    d.plates = {{{{25, -700}, {125, -700}, {125, -500}, {25, -500}}, 10, "A5083"},
                {{{325, -700}, {625, -700}, {625, -600}, {325, -600}}, 12, "SUS304"},
                {{{25, -900}, {305, -900}, {305, -760}, {25, -800}}, 12, "NOSUCH"}};
    writeDetail("S1234", "F150-F200", "SYM1", d);
    answer(placing("SYM1"));
    call("(crossset)");
    const ZcDbObjectIdArray points = carrying("Point_StiffCross");
    ASSERT_EQ(points.length(), 1);
    ZcDbObjectPointer<ZcDbEntity> point(points[0], ZcDb::kForRead);
    double area = 0, weight = 0;
    ASSERT_EQ(TrevanComARX_GetXdataReal(point.object(), "Point_StiffCross_AAREA", area), 1);
    ASSERT_EQ(TrevanComARX_GetXdataReal(point.object(), "Point_StiffCross_AWEIGHT", weight), 1);
    // 100 × 200 of aluminium 10 thick, 300 × 100 of stainless 12 thick, and a trapezium of
    // 33600 of a material the database lacks, which weighs as mild steel.
    EXPECT_NEAR(area, 20000 + 30000 + 33600, 1e-6);
    EXPECT_NEAR(weight, 20000 * 10e-3 * 2.66e-3 + 30000 * 12e-3 * 7.93e-3 + 33600 * 12e-3 * 7.85e-3, 1e-9);
}

TEST_F(CrossPoints, OnlyPointStylesThatHideThePointAreChanged)
{
    rightDetail();
    const std::vector<std::pair<int, int>> styles = {{0, 3}, {1, 3}, {2, 2}, {3, 3}, {5, 5}, {34, 34}};
    for (const auto& [before, after] : styles) {
        setVar("PDMODE", before);
        answer(placing("SYM1"));
        call("(crossset)");
        EXPECT_EQ(var("PDMODE"), after) << "PDMODE " << before;
    }
    EXPECT_EQ(carrying("Point_StiffCross").length(), 6);
}

TEST_F(CrossPoints, EscAtTheNameErasesThePointAndDrawsNoBracket)
{
    rightDetail();
    std::vector<std::string> lines = placing("SYM1");
    lines.back() = "*cancel*";
    answer(lines);
    call("(crossset)");
    EXPECT_EQ(carrying("Point_StiffCross").length(), 0);
    EXPECT_EQ(carrying("CROSS_SUPPORTBRACKET").length(), 0);
}

TEST_F(CrossPoints, EscAtEveryPromptLeavesNothingOpenNoPointAndPickstyleAsItWas)
{
    rightDetail();
    const std::vector<std::string> full = placing("SYM1");
    // The through pick, the partner selection, the dialog (Cancel) and the name.
    for (size_t at : {size_t{0}, size_t{1}, size_t{3}, size_t{6}}) {
        std::vector<std::string> lines(full.begin(), full.begin() + static_cast<long>(at));
        lines.push_back(at == 3 ? "click 2" : "*cancel*");
        answer(lines);
        call("(crossset)");
        EXPECT_EQ(zrxhost::openObjectCount(), 0) << "Esc at answer " << at;
        EXPECT_EQ(var("PICKSTYLE"), 0) << "Esc at answer " << at;
        EXPECT_EQ(carrying("Point_StiffCross").length(), 0) << "Esc at answer " << at;
    }
    // Turning, cancelled at its one prompt, leaves the brackets where they are.
    answer(full);
    call("(crossset)");
    const ZcDbObjectIdArray before = carrying("CROSS_SUPPORTBRACKET");
    ASSERT_EQ(before.length(), 1);
    answer({"*cancel*"});
    const std::string out = call("(crossturn)");
    EXPECT_EQ(out.substr(out.size() - 13), "*cancel*\nnil\n");
    EXPECT_EQ(zrxhost::openObjectCount(), 0);
    const ZcDbObjectIdArray after = carrying("CROSS_SUPPORTBRACKET");
    ASSERT_EQ(after.length(), 1);
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(xdataStr(after[0], "CROSS_SUPPORTBRACKET_AXIS"), "R");
}

TEST_F(CrossPoints, TheDialogOffersTheSymbolsDrawnForThePickedSectionsAndGivesTheChosenPath)
{
    const CStiffData other = section("LONG_F", "F300", 300, 15, "R");
    const std::string sym1 = rightDetail("SYM1");
    DetailDrawing d;
    d.through = &throughSection;
    d.left = &rightSection;  // the lone partner drawn on the other side still fits
    const std::string sym2 = writeDetail("S1234", "F150-F200", "SYM2", d);
    d.right = &leftSection;  // two partners: not a detail of one
    writeDetail("S1234", "F150-F250", "SYM3", d);
    d.through = &other;
    d.right = nullptr;
    writeDetail("S1234", "F300-F200", "SYM4", d);
    d.record = false;
    writeDetail("S1234", "F150-F200", "SYM5", d);

    answer({"select 202 S1234", "select 201 SYM3", "select 201 SYM4", "select 201 SYM5", "select 201 SYM1",
            "select 201 SYM2", "click 1"});
    DclSelectStiffCrossData one(through, right, ZcDbObjectId::kNull);
    EXPECT_EQ(one.DoModal(), IDOK);
    const std::string out = transcript();
    for (const char* refused : {"SYM3", "SYM4", "SYM5"})
        EXPECT_NE(out.find(std::string("no item \"") + refused + "\" in control 201"), std::string::npos) << out;
    EXPECT_EQ(one.m_strDwgPath.CompareNoCase(sym2.c_str()), 0) << one.m_strDwgPath.str();
    EXPECT_EQ(one.m_strThroughHandle.str(), hex(through));
    EXPECT_EQ(one.m_strPartner2Handle.str(), "");

    // Two partners fit the right and left records in either order.
    ZcDbObjectId left = member(leftSection, {0, 0, 0}, {-1000, 0, 0});
    d = DetailDrawing();
    d.through = &throughSection;
    d.right = &leftSection;
    d.left = &rightSection;
    const std::string sym6 = writeDetail("S1234", "F150-F250-F200", "SYM6", d);
    answer({"select 202 S1234", "select 201 SYM1", "select 201 SYM2", "select 201 SYM3", "click 1"});
    DclSelectStiffCrossData two(through, right, left);
    EXPECT_EQ(two.DoModal(), IDOK);
    const std::string out2 = transcript();
    EXPECT_NE(out2.find("no item \"SYM1\" in control 201"), std::string::npos) << out2;
    EXPECT_NE(out2.find("no item \"SYM2\" in control 201"), std::string::npos) << out2;
    EXPECT_NE(two.m_strDwgPath.Find("SYM3.dwg"), -1) << two.m_strDwgPath.str();
    answer({"select 202 S1234", "select 201 SYM6", "click 1"});
    DclSelectStiffCrossData swapped(through, left, right);
    EXPECT_EQ(swapped.DoModal(), IDOK);
    EXPECT_EQ(swapped.m_strDwgPath.CompareNoCase(sym6.c_str()), 0);
}

TEST_F(CrossPoints, TheDialogStaysOpenUntilShipAndSymbolAreChosenAndCancelGivesNoPath)
{
    rightDetail();
    DetailDrawing d;
    d.through = &leftSection;
    d.right = &rightSection;
    writeDetail("S1235", "F250-F200", "OTHER", d);
    answer({"click 1", "select 202 S1235", "click 1", "select 202 S9999", "click 2"});
    DclSelectStiffCrossData dlg(through, right, ZcDbObjectId::kNull);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    const std::string out = transcript();
    const size_t ship = out.find("[MessageBox] 船番が選択されていません．");
    const size_t symbol = out.find("[MessageBox] 標準記号が選択されていません.");
    EXPECT_NE(ship, std::string::npos) << out;
    EXPECT_NE(symbol, std::string::npos) << out;
    EXPECT_LT(ship, symbol);
    EXPECT_NE(out.find("no item \"S9999\" in control 202"), std::string::npos) << out;
    EXPECT_TRUE(dlg.m_strDwgPath.IsEmpty());
}

TEST_F(CrossPoints, MoreThanTwoPartnersAreRefused)
{
    rightDetail();
    ZcDbObjectId second = member(leftSection, {0, 0, 0}, {-1000, 0, 0});
    ZcDbObjectId third = member(rightSection, {0, 500, 0}, {1000, 500, 0});
    TrevanCom_JitsuitaHyouji(members);
    answer({pick(through), pick(right) + " " + pick(second) + " " + pick(third), ""});
    EXPECT_NE(call("(crossset)").find("\n対象部材が2つ以上選択されています."), std::string::npos);
    EXPECT_EQ(carrying("Point_StiffCross").length(), 0);
}

}  // namespace
