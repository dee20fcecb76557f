// Support brackets drawn from a point's detail drawing: where they stand in the plan for a
// square and an oblique crossing and for partners on both sides, turned to the other face
// of the partner's web and back, what a detail lacking its content tells, and the lookups
// of brackets and plates that sibling modules use.
#include <cmath>
#include <string>
#include <vector>

#include "cross_point_fixture.h"

namespace {

std::string sideOf(ZcDbObjectId bracket) { return xdataStr(bracket, "CROSS_SUPPORTBRACKET_AXIS"); }

class SupportBrackets : public CrossPointTest {
protected:
    // Places a point on the through member and its partners with the detail's symbol.
    ZcDbObjectId place(ZcDbObjectId through, std::vector<ZcDbObjectId> partners, const std::string& symbol)
    {
        std::string picks;
        for (ZcDbObjectId p : partners) picks += (picks.empty() ? "" : " ") + pick(p);
        answer({pick(through), picks, "", "select 202 S1234", "select 201 " + symbol, "click 1", "X"});
        const std::string out = call("(crossset)");
        const ZcDbObjectIdArray points = carrying("Point_StiffCross");
        EXPECT_FALSE(points.isEmpty()) << out;
        return points.isEmpty() ? ZcDbObjectId::kNull : points[points.length() - 1];
    }
    ZcDbObjectIdArray bracketsOf(ZcDbObjectId point)
    {
        ZcDbObjectIdArray ids;
        TrevanComARX_GetCrossSupportBracket(hex(point).c_str(), ids, db.get());
        return ids;
    }
    std::string turn(std::vector<ZcDbObjectId> brackets)
    {
        std::string picks;
        for (ZcDbObjectId b : brackets) picks += (picks.empty() ? "#" : " #") + hex(b);
        answer({picks, ""});
        return call("(crossturn)");
    }
    // A hand-made point naming a detail drawing.
    ZcDbObjectId pointNaming(const std::string& dwg)
    {
        ZcDbObjectId id = addToModelSpace(new ZcDbPoint(ZcGePoint3d(0, 0, 0)));
        EXPECT_EQ(TrevanComARX_SetXdataStr(id, "Point_StiffCross", "DMY"), 1);
        EXPECT_EQ(TrevanComARX_SetXdataStr(id, "Point_StiffCross_DwgName", dwg.c_str()), 1);
        return id;
    }
    DetailDrawing rightOnly(std::vector<DetailPlate> plates)
    {
        DetailDrawing d;
        d.through = &throughSection;
        d.right = &rightSection;
        d.plates = std::move(plates);
        return d;
    }
};

TEST_F(SupportBrackets, AnObliquePartnerCarriesItsBracketAlongItsWeb)
{
    writeDetail("S1234", "F150-F200", "SYM1", rightOnly({nearPlate}));
    const double a = 30 * M_PI / 180;
    ZcDbObjectId through = member(throughSection, {0, -1000, 0}, {0, 1000, 0});
    ZcDbObjectId partner = member(rightSection, {0, 0, 0}, {1000 * std::cos(a), 1000 * std::sin(a), 0});
    actualPlateDisplay();
    ZcDbObjectId point = place(through, {partner}, "SYM1");
    const ZcDbObjectIdArray brackets = bracketsOf(point);
    ASSERT_EQ(brackets.length(), 1);
    // The through web's centre x 5 meets the partner's mould line at (5, 5 tan 30°); the
    // bracket runs along the partner and stands 12 off its mould face, away from its plate
    // side (cos 30°... rotated a quarter turn clockwise).
    const double ox = 5, oy = 5 * std::tan(a);
    const double dx = std::cos(a), dy = std::sin(a);
    const double ex = std::sin(a), ey = -std::cos(a);
    expectCorners(brackets[0], {{ox + 20 * dx, oy + 20 * dy},
                                {ox + 300 * dx, oy + 300 * dy},
                                {ox + 300 * dx - 12 * ex, oy + 300 * dy - 12 * ey},
                                {ox + 20 * dx - 12 * ex, oy + 20 * dy - 12 * ey}});
}

TEST_F(SupportBrackets, TwoPartnersTakeThePlatesOfTheirOwnSide)
{
    DetailDrawing d = rightOnly({nearPlate, {{{-25, -700}, {-305, -700}, {-305, -600}, {-25, -600}}, 10, "SS400"}});
    d.left = &leftSection;
    writeDetail("S1234", "F150-F200-F250", "SYM2", d);
    ZcDbObjectId through = member(throughSection, {0, -1000, 0}, {0, 1000, 0});
    ZcDbObjectId right = member(rightSection, {0, 0, 0}, {1000, 0, 0});
    ZcDbObjectId left = member(leftSection, {0, 0, 0}, {-1000, 0, 0});
    actualPlateDisplay();
    const ZcDbObjectIdArray brackets = bracketsOf(place(through, {left, right}, "SYM2"));
    ASSERT_EQ(brackets.length(), 2);
    expectCorners(brackets[0], {{25, 0}, {305, 0}, {305, 12}, {25, 12}});
    // The left partner's plate side is below its mould line y 0 as well; its plate reaches
    // 30 to 310 from the detail's web centre.
    expectCorners(brackets[1], {{-25, 0}, {-305, 0}, {-305, 10}, {-25, 10}});
}

TEST_F(SupportBrackets, TurningMovesTheBracketsAcrossThePartnersWebAndBack)
{
    writeDetail("S1234", "F150-F200", "SYM1", rightOnly({nearPlate}));
    ZcDbObjectId through = member(throughSection, {0, -1000, 0}, {0, 1000, 0});
    ZcDbObjectId partner = member(rightSection, {0, 0, 0}, {1000, 0, 0});
    actualPlateDisplay();
    ZcDbObjectId point = place(through, {partner}, "SYM1");
    turn({bracketsOf(point)[0]});
    ZcDbObjectIdArray brackets = bracketsOf(point);
    ASSERT_EQ(brackets.length(), 1);
    EXPECT_EQ(sideOf(brackets[0]), "L");
    // Off the plate-side face y -12, on the plate side.
    expectCorners(brackets[0], {{25, -12}, {305, -12}, {305, -24}, {25, -24}});
    turn({brackets[0]});
    brackets = bracketsOf(point);
    ASSERT_EQ(brackets.length(), 1);
    EXPECT_EQ(sideOf(brackets[0]), "R");
    expectCorners(brackets[0], {{25, 0}, {305, 0}, {305, 12}, {25, 12}});
    EXPECT_EQ(carrying("CROSS_SUPPORTBRACKET").length(), 1);
}

TEST_F(SupportBrackets, TwoBracketsOfOnePointPickedTogetherTurnOnce)
{
    writeDetail("S1234", "F150-F200", "SYM1",
                rightOnly({nearPlate, {{{405, -700}, {605, -700}, {605, -600}, {405, -600}}, 9, "AH32"}}));
    ZcDbObjectId through = member(throughSection, {0, -1000, 0}, {0, 1000, 0});
    ZcDbObjectId partner = member(rightSection, {0, 0, 0}, {1000, 0, 0});
    actualPlateDisplay();
    ZcDbObjectId point = place(through, {partner}, "SYM1");
    ZcDbObjectIdArray brackets = bracketsOf(point);
    ASSERT_EQ(brackets.length(), 2);
    turn({brackets[0], brackets[1]});
    brackets = bracketsOf(point);
    ASSERT_EQ(brackets.length(), 2);
    EXPECT_EQ(sideOf(brackets[0]), "L");
    EXPECT_EQ(sideOf(brackets[1]), "L");
    expectCorners(brackets[1], {{405, -12}, {605, -12}, {605, -21}, {405, -21}});
}

TEST_F(SupportBrackets, AThroughMemberChangedSinceLeavesItsPointWithoutBracketsWhenTurned)
{
    writeDetail("S1234", "F150-F200", "SYM1", rightOnly({nearPlate}));
    ZcDbObjectId through = member(throughSection, {0, -1000, 0}, {0, 1000, 0});
    ZcDbObjectId partner = member(rightSection, {0, 0, 0}, {1000, 0, 0});
    actualPlateDisplay();
    ZcDbObjectId point = place(through, {partner}, "SYM1");
    ASSERT_EQ(bracketsOf(point).length(), 1);
    CStiffData thicker;
    ASSERT_TRUE(TrevanComARX_GetStiffdata(through, thicker));
    thicker.m_rWebThick = 11;
    ASSERT_TRUE(TrevanComARX_SetStiffdata(through, thicker));
    EXPECT_NE(turn({bracketsOf(point)[0]}).find("\n通し部材の断面が交差部図と異なります."), std::string::npos);
    EXPECT_EQ(bracketsOf(point).length(), 0);
    EXPECT_EQ(carrying("Point_StiffCross").length(), 1);
}

TEST_F(SupportBrackets, PickingNoBracketSaysNoPointWasFound)
{
    ZcDbObjectId stray = addToModelSpace(new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 0, 0)));
    EXPECT_EQ(TrevanComARX_SetXdataStr(stray, "CROSS_SUPPORTBRACKET", "DMY"), 1);
    const std::string out = turn({stray});
    EXPECT_EQ(out.substr(out.rfind("：") + 3), "\n交差点の取得に失敗しました.\nnil\n");
}

TEST_F(SupportBrackets, ADetailLackingItsContentSaysWhatIsMissing)
{
    DetailDrawing d = rightOnly({nearPlate});
    d.record = false;
    const std::string noRecord = writeDetail("S1234", "C", "NOREC", d);
    d.record = true;
    d.refLine = false;
    const std::string noLine = writeDetail("S1234", "C", "NOLINE", d);
    d.refLine = true;
    d.plates.clear();
    const std::string noPlates = writeDetail("S1234", "C", "NOPLATE", d);
    for (const auto& [dwg, message] : std::vector<std::pair<std::string, std::string>>{
             {noRecord, "に情報がありません.図枠が削除されていませんか?"},
             {noLine, "の鉛直基準線が削除されています."},
             {noPlates, "にリブ・ブラケットが作成されていません."}}) {
        ZcDbVoidPtrArray plates;
        ZcArray<SupportPlateAttr> attrs;
        transcript();
        EXPECT_FALSE(TrevanComARX_GetBracketData(pointNaming(dwg), plates, attrs));
        EXPECT_NE(transcript().find("[MessageBox] " + dwg + message), std::string::npos) << dwg;
        EXPECT_EQ(plates.length(), 0);
    }
    ZcDbVoidPtrArray plates;
    ZcArray<SupportPlateAttr> attrs;
    transcript();
    EXPECT_FALSE(TrevanComARX_GetBracketData(pointNaming("C:\\TREVAN\\DATA\\ENDTYPE\\none.dwg"), plates, attrs));
    EXPECT_EQ(transcript().find("[MessageBox]"), std::string::npos);
}

TEST_F(SupportBrackets, LookupsGiveAPointsOwnBracketsAndItsDetailsPlates)
{
    writeDetail("S1234", "F150-F200", "SYM1", rightOnly({nearPlate}));
    ZcDbObjectId through = member(throughSection, {0, -1000, 0}, {0, 1000, 0});
    ZcDbObjectId low = member(rightSection, {0, 0, 0}, {1000, 0, 0});
    ZcDbObjectId high = member(rightSection, {0, 500, 0}, {1000, 500, 0});
    actualPlateDisplay();
    ZcDbObjectId first = place(through, {low}, "SYM1");
    ZcDbObjectId second = place(through, {high}, "SYM1");
    ASSERT_EQ(bracketsOf(first).length(), 1);
    ASSERT_EQ(bracketsOf(second).length(), 1);
    EXPECT_NE(bracketsOf(first)[0], bracketsOf(second)[0]);
    expectCorners(bracketsOf(second)[0], {{25, 500}, {305, 500}, {305, 512}, {25, 512}});
    EXPECT_EQ(bracketsOf(through).length(), 0);

    ZcDbVoidPtrArray plates;
    ZcArray<SupportPlateAttr> attrs;
    ASSERT_TRUE(TrevanComARX_GetBracketData(second, plates, attrs));
    ASSERT_EQ(plates.length(), 1);
    ASSERT_EQ(attrs.length(), 1);
    EXPECT_STREQ(attrs[0].m_szMaterial, "AH32");
    EXPECT_DOUBLE_EQ(attrs[0].m_rPWT, 12);
    auto* outline = ZcDbPolyline::cast(static_cast<ZcRxObject*>(plates[0]));
    ASSERT_NE(outline, nullptr);
    EXPECT_EQ(outline->numVerts(), 4u);
    TrevanCom_ClearAcDbEntityAcDbVoidPtrArray(plates);
}

}  // namespace
