// The stiffener record as a value: its side string "itanige,flange" and attachment string
// "axis,angle", where its web lies beside its line, copies, moves and the comparison of
// sections.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>

#include "TrevanCom2002.h"

namespace {

using Change = std::function<void(CStiffData&)>;

// A record whose string field holds `before`, changed; the field afterwards.
CString after(CString CStiffData::*field, const char* before, const Change& change)
{
    CStiffData s;
    s.*field = before;
    change(s);
    return s.*field;
}

TEST(StiffSides, EachSideReadsFromTheSideStringSettersWriteOnlyROrL)
{
    CStiffData fresh;
    EXPECT_EQ(fresh.getStiffItanigeAxis() + fresh.getStifffFlangeAxis(), "RR");
    EXPECT_FALSE(fresh.isFlange());
    for (const auto& [sides, both] : {std::pair{"", ""}, {"L", "LL"}, {"L,R", "LR"}}) {
        CStiffData s;
        s.m_strItanige = sides;
        EXPECT_EQ(s.getStiffItanigeAxis() + s.getStifffFlangeAxis(), both) << sides;
    }
    const auto itanige = [](const char* side) -> Change { return [=](CStiffData& s) { s.setStiffItanigeAxis(side); }; };
    const auto flange = [](const char* side) -> Change { return [=](CStiffData& s) { s.setStifffFlangeAxis(side); }; };
    const Change reverse = [](CStiffData& s) { s.reverseAxis(); };
    const std::tuple<const char*, Change, const char*> changes[] = {
        {"L", flange("r"), "L,R"}, {"L,L", itanige("x"), "R,L"}, {"L,L", itanige("l"), "L,L"}, {"R", itanige("L"), "L,L"},
        {"", flange("L"), ",L"},   {"R,L", reverse, "L,R"},      {"r,?", reverse, "L,R"}};
    for (const auto& [before, change, expected] : changes)
        EXPECT_EQ(after(&CStiffData::m_strItanige, before, change), expected) << before;
}

TEST(StiffAttachment, AxisAndAngleTheAxisNeedingAnAngleWrittenFirst)
{
    for (const auto& [res2, axis, angle] : {std::tuple{"", "", 0.0}, {" ,0.0", " ", 0.0}, {"12.5", "", 12.5}, {"WL,10", "WL", 10.0}}) {
        CStiffData s;
        s.m_strRes2 = res2;
        EXPECT_EQ(s.getToritsukeAxis(), axis) << res2;
        EXPECT_EQ(s.getToritsukeAngle(), angle) << res2;
    }
    const auto angle = [](double a) -> Change { return [=](CStiffData& s) { s.setToritsukeAngle(a); }; };
    const auto axis = [](const char* a) -> Change { return [=](CStiffData& s) { s.setToritsukeAxis(a); }; };
    const std::tuple<const char*, Change, const char*> changes[] = {
        {"", axis("FR"), " ,0.0"},          {"", angle(-15.25), " ,-15.2500"},   {" ,-15.2500", axis("FR"), "FR,-15.2500"},
        {"FR,-15.2500", axis(""), " ,0.0"}, {"12.5", angle(3), "12.5,3.0000"},   {"0", angle(3), " ,3.0000"},
        {"WL,10", angle(22.5), "WL,22.5000"}, {"FR,30", [](CStiffData& s) { s.reverseAxis(); }, "FR,-30.0000"}};
    for (const auto& [before, change, expected] : changes)
        EXPECT_EQ(after(&CStiffData::m_strRes2, before, change), expected) << before;
}

// A stiffener from (0,0) to (100,0), web 10 thick.
CStiffData onXAxis(const char* form, const char* sides = "R,R")
{
    CStiffData s;
    s.m_ptEnd.set(100, 0, 0);
    s.m_strFType = form;
    s.m_rWebThick = 10;
    s.m_strItanige = sides;
    return s;
}

// The Y of a line along the stiffener; NaN when it is not such a line.
double yOf(const ZcGePoint3d& s, const ZcGePoint3d& e)
{
    bool along = std::abs(s.x) < 1e-9 && std::abs(e.x - 100) < 1e-9 && std::abs(s.y - e.y) < 1e-9;
    return along ? s.y : std::nan("");
}

TEST(StiffWeb, MouldThicknessSideAndCentreLinesFollowFormAndSide)
{
    // An H or I section is drawn on its web centre, the others on the mould face; the
    // thickness lies to the right (-Y here) for an exact "R" side, to the left otherwise.
    const std::tuple<const char*, const char*, double, double, double> cases[] = {
        // form, sides, mould, thickness side, centre
        {"LONG_H", "R,R", 5, -5, 0}, {"LONG_F", "R,R", 0, -10, -5}, {"long_i", "L", -5, 5, 0},
        {"LONG_A", "L,R", 0, 10, 5}, {"LONG_A", "r,r", 0, 10, 5},   {"LONG_A", "", 0, 10, 5}};
    for (const auto& [form, sides, mould, thickness, centre] : cases) {
        SCOPED_TRACE(std::string(form) + " " + sides);
        CStiffData s = onXAxis(form, sides);
        ZcGePoint3d a, b, c, d, e, f, g, h;
        s.getWebMoldPt(a, b);
        s.getWebItanigePt(c, d);
        s.getWebCenterPt(e, f);
        ASSERT_TRUE(TrevanCom_GetWebCenterLine(s, g, h));
        EXPECT_EQ((std::vector<double>{yOf(a, b), yOf(c, d), yOf(e, f), yOf(g, h)}),
                  (std::vector<double>{mould, thickness, centre, centre}));
    }
    // The centre line goes by the shape letter after the form's first "_".
    ZcGePoint3d a, b;
    ASSERT_TRUE(TrevanCom_GetWebCenterLine(onXAxis("BUILT_i"), a, b));
    EXPECT_EQ(yOf(a, b), 0);
    EXPECT_FALSE(TrevanCom_GetWebCenterLine(CStiffData(), a, b));
    // The thickness side is turned about world Z, whatever the record's normal.
    CStiffData rising = onXAxis("LONG_A");
    rising.m_ptEnd.set(0, 50, 30);
    rising.m_rNormVecX = 1;
    rising.m_rNormVecZ = 0;
    EXPECT_TRUE(rising.getStiffItanigeVec().isEqualTo(ZcGeVector3d(50, 0, 30) / std::hypot(50.0, 30.0)));
}

TEST(StiffCopy, CopiesKeepTheTargetsPlacePropCopyItsPlaneTooTransformMovesTheLineOnly)
{
    CStiffData src = onXAxis("LONG_A"), target, props;
    src.m_ptStart.set(10, 20, 0);
    src.m_rNormVecX = 1;
    target.m_ptEnd.set(4, 5, 6);
    props.m_ptEnd.set(4, 5, 6);
    target = &src;
    props.propCopy(src);
    EXPECT_EQ(target.m_ptEnd, ZcGePoint3d(4, 5, 6));
    EXPECT_EQ(target.m_rNormVecX, 1.0);
    EXPECT_EQ(target.m_strFType, "LONG_A");
    EXPECT_EQ(props.m_ptEnd, ZcGePoint3d(4, 5, 6));
    EXPECT_EQ(props.m_rNormVecX, 0.0);
    EXPECT_EQ(props.m_strFType, "LONG_A");
    src.transformBy(ZcGeMatrix3d::rotation(std::numbers::pi / 2, ZcGeVector3d::kZAxis));
    EXPECT_TRUE(src.m_ptEnd.isEqualTo(ZcGePoint3d(0, 100, 0)));
    EXPECT_EQ(src.m_rNormVecX, 1.0);
}

TEST(StiffSection, SizesWithinOneHundredThousandthAndFormsOfAnyCaseAreTheSame)
{
    CStiffData a, b;
    b.m_rWebWidth = 0.00001;
    EXPECT_TRUE(a.isSameSection(b));
    b.m_rWebWidth = 0.0001;
    EXPECT_FALSE(a.isSameSection(b));
    a = onXAxis("LONG_A");
    b = onXAxis("long_a");
    a.m_strType = "stiff";
    b.m_strName = "other";
    b.m_strMaterial = "SS400";
    b.m_ptEnd.set(0, 0, 0);
    EXPECT_TRUE(a.isSameSection(b));
    b.m_rCornerR2 = 0.001;
    EXPECT_FALSE(a.isSameSection(b));
    b = onXAxis("long_f");
    EXPECT_FALSE(a.isSameSection(b));
    // A flat bar has no flange, whatever the case of its form.
    EXPECT_TRUE(a.isFlange());
    EXPECT_FALSE(b.isFlange());
}

}  // namespace
