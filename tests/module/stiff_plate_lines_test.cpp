// Actual-plate lines: where they lie for one-sided and symmetric sections, the links and
// group tying them to their stiffener, finding them again, rebuilding and deleting them,
// the two displays, and the stiffener's layer left as it was.
#include <algorithm>
#include <vector>

#include "TrevanCom2002.h"
#include "command_text.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"

namespace {

struct Seg {
    double y0, y1, x0, x1;
    int colour;
};

class PlateLines : public LispCallTest {
protected:
    ZcDbObjectId stiffener(const char* ftype, const char* side, double wt = 12, double fw = 0)
    {
        ZcDbObjectId id = addToModelSpace(new ZcDbLine({0, 0, 0}, {1000, 0, 0}));
        CStiffData s;
        s.m_ptStart = {0, 0, 0};
        s.m_ptEnd = {1000, 0, 0};
        s.m_strFType = ftype;
        s.m_strCode = "L1";
        s.m_rWebThick = wt;
        s.m_rFaceWidth = fw;
        s.setStiffItanigeAxis(side);
        EXPECT_TRUE(TrevanComARX_SetStiffdata(id, s));
        return id;
    }
    std::vector<Seg> lines(ZcDbObjectId stiffId)
    {
        std::vector<Seg> out;
        ZcDbObjectIdArray ids;
        TrevanCom_CheckStiffLine(stiffId, ids);
        for (int i = 0; i < ids.length(); ++i) {
            ZcDbObjectPointer<ZcDbLine> l(ids[i], ZcDb::kForRead);
            out.push_back({l->startPoint().y, l->endPoint().y, l->startPoint().x, l->endPoint().x, l->colorIndex()});
        }
        return out;
    }
    std::string listed(ZcDbObjectId stiffId)
    {
        CStiffData s;
        TrevanComARX_GetStiffdata(stiffId, s);
        return std::string(s.getThickLineNames());
    }
    ZcDbObjectId groupOf(ZcDbObjectId stiffId)
    {
        ZcDbDictionary* groups = nullptr;
        EXPECT_EQ(db->getGroupDictionary(groups, ZcDb::kForRead), Zcad::eOk);
        ZcDbObjectId id;
        groups->getAt(TrevanComARX_GetHandleName(stiffId), id);
        groups->close();
        return id;
    }
    SampleInstall install;
};

void expectSeg(const Seg& s, double y, int colour)
{
    EXPECT_NEAR(s.y0, y, 1e-9);
    EXPECT_NEAR(s.y1, y, 1e-9);
    EXPECT_NEAR(s.x1 - s.x0, 1000, 1e-9);
    EXPECT_EQ(s.colour, colour);
}

TEST_F(PlateLines, AFlatBarGetsItsOtherWebFaceOnThePlateEscapeSide)
{
    ZcDbObjectId r = stiffener("LONG_FB", "R"), l = stiffener("LONG_FB", "L");
    TrevanCom_CreateJitsuitaLine(r);
    TrevanCom_CreateJitsuitaLine(l);
    auto rs = lines(r), ls = lines(l);
    ASSERT_EQ(rs.size(), 2u);
    ASSERT_EQ(ls.size(), 2u);
    expectSeg(rs[0], 0, 1);
    expectSeg(rs[1], -12, 2);
    expectSeg(ls[0], 0, 1);
    expectSeg(ls[1], 12, 2);
}

TEST_F(PlateLines, AnHSectionGetsBothWebFacesAndBothFlangeEdges)
{
    ZcDbObjectId id = stiffener("LONG_h", "R", 10, 200);
    TrevanCom_CreateJitsuitaLine(id);
    auto s = lines(id);
    ASSERT_EQ(s.size(), 4u);
    expectSeg(s[0], -5, 1);
    expectSeg(s[1], 5, 1);
    expectSeg(s[2], -100, 3);
    expectSeg(s[3], 100, 3);
}

TEST_F(PlateLines, LinesAreLinkedBackGroupedAndFoundFromEitherEnd)
{
    ZcDbObjectId id = stiffener("LONG_FB", "R");
    TrevanCom_CreateJitsuitaLine(id);
    CStringArray handles;
    ASSERT_TRUE(TrevanCom_CheckStiffLine(id, handles));
    ASSERT_EQ(handles.GetSize(), 2);
    EXPECT_EQ(listed(id), std::string(handles[0]) + "," + std::string(handles[1]));
    ZcDbObjectPointer<ZcDbGroup> group(groupOf(id), ZcDb::kForRead);
    ASSERT_EQ(group.openStatus(), Zcad::eOk);
    EXPECT_EQ(group->numEntities(), 2u);
    group.close();
    for (int i = 0; i < 2; ++i) {
        CString back;
        ASSERT_EQ(TrevanComARX_GetXdataStr(TrevanComARX_GetObjid(handles[i]), "STIFF_SupportDraw_JitsuitaLine", back), 1);
        EXPECT_EQ(back, TrevanComARX_GetHandleName(id));
        ZcDbObjectId found;
        ASSERT_TRUE(TrevanComARX_StiffJitsuitaLineSearch(handles[i], found));
        EXPECT_EQ(found, id);
    }
    ZcDbObjectId none = id;
    EXPECT_FALSE(TrevanComARX_StiffJitsuitaLineSearch("FFFFF", none));
    EXPECT_TRUE(none.isNull());
}

TEST_F(PlateLines, BuildingTwiceListsOnlyTheSecondSet)
{
    ZcDbObjectId id = stiffener("LONG_FB", "R");
    TrevanCom_CreateJitsuitaLine(id);
    const std::string first = listed(id);
    TrevanCom_CreateJitsuitaLine(id);
    const std::string second = listed(id);
    EXPECT_NE(first, second);
    EXPECT_EQ(std::count(second.begin(), second.end(), ','), 1);
}

TEST_F(PlateLines, ASectionWithoutShapeLetterGetsNoLines)
{
    ZcDbObjectId id = stiffener("FB", "R");
    TrevanCom_CreateJitsuitaLine(id);
    EXPECT_EQ(listed(id), "");
    EXPECT_TRUE(groupOf(id).isNull());
}

TEST_F(PlateLines, RebuildingReplacesTheLinesAndTheirGroup)
{
    ZcDbObjectId id = stiffener("LONG_FB", "R");
    TrevanCom_CreateJitsuitaLine(id);
    CStringArray old;
    TrevanCom_CheckStiffLine(id, old);
    const ZcDbObjectId oldGroup = groupOf(id);
    ASSERT_TRUE(TrevanCom_RedrawStiffJitsuita(id));
    ZcDbObjectPointer<ZcDbEntity> gone(TrevanComARX_GetObjid(old[0]), ZcDb::kForRead);
    EXPECT_NE(gone.openStatus(), Zcad::eOk);
    EXPECT_NE(groupOf(id), oldGroup);
    auto s = lines(id);
    ASSERT_EQ(s.size(), 2u);
    expectSeg(s[1], -12, 2);
    // The drawing is in the moulded display: the new lines are hidden.
    ZcDbObjectIdArray ids;
    TrevanCom_CheckStiffLine(id, ids);
    EXPECT_FALSE(TrevanCom_CheckVisibility(ids[0]));
}

TEST_F(PlateLines, DisplaysSwitchBetweenStiffenersAndTheirLinesAndMendErasedLines)
{
    ZcDbObjectId id = stiffener("LONG_FB", "R");
    ZcDbObjectIdArray all;
    all.append(id);
    EXPECT_TRUE(TrevanCom_GetStiffShowMode());
    ASSERT_TRUE(TrevanCom_JitsuitaHyouji(all));
    EXPECT_EQ(TrevanComARX_GetStiffShowMode(), 1);
    ZcDbObjectIdArray ids;
    TrevanCom_CheckStiffLine(id, ids);
    ASSERT_EQ(ids.length(), 2);
    EXPECT_TRUE(TrevanCom_CheckVisibility(ids[1]));
    EXPECT_FALSE(TrevanCom_CheckVisibility(id));

    ASSERT_TRUE(TrevanCom_MoldHyouji(all));
    EXPECT_EQ(TrevanComARX_GetStiffShowMode(), 0);
    EXPECT_FALSE(TrevanCom_CheckVisibility(ids[1]));
    EXPECT_TRUE(TrevanCom_CheckVisibility(id));

    ASSERT_TRUE(TrevanComARX_DeleteObj(ids[1]));
    ASSERT_TRUE(TrevanCom_JitsuitaHyouji(all));
    ZcDbObjectIdArray mended;
    TrevanCom_CheckStiffLine(id, mended);
    ASSERT_EQ(mended.length(), 2);
    EXPECT_NE(mended[1], ids[1]);
    EXPECT_TRUE(TrevanCom_CheckVisibility(mended[1]));
    EXPECT_FALSE(TrevanCom_MoldHyouji(ZcDbObjectIdArray()));
}

TEST_F(PlateLines, ADrawingWithoutStiffenersIsInTheMouldedDisplay)
{
    define("showmode", TrevanComARX_GetStiffShowModeFunc);
    EXPECT_TRUE(TrevanCom_GetStiffShowMode());
    EXPECT_EQ(trimmed(call("(showmode)")), "この図面にはスティフナが配置されていません。\n; error: function SHOWMODE failed");
}

TEST_F(PlateLines, TheStiffenerLayerIsLeftAsItWasWhetherTheRebuildSucceedsOrNot)
{
    const CLayerStatus closed{true, true, false, true};
    TrevanComARX_MakeLayer("STIFF", 4, "CONTINUOUS", -3, "", db.get());
    ZcDbObjectId good = stiffener("LONG_FB", "R");
    ZcDbObjectId bare = addToModelSpace(new ZcDbLine({0, 0, 0}, {10, 0, 0}));
    for (ZcDbObjectId id : {good, bare}) {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
        ASSERT_EQ(e->setLayer("STIFF"), Zcad::eOk);
    }
    ASSERT_TRUE(TrevanComARX_SetLayerStatus("STIFF", closed));
    EXPECT_TRUE(TrevanCom_RedrawStiffJitsuita(good));
    EXPECT_FALSE(TrevanCom_RedrawStiffJitsuita(bare));
    CLayerStatus now;
    ASSERT_TRUE(TrevanComARX_GetLayerStatus("STIFF", now));
    EXPECT_EQ(now, closed);
    EXPECT_EQ(lines(good).size(), 2u);
}

TEST_F(PlateLines, LispFormsRebuildAndDeleteQuietly)
{
    define("redrawplate", TrevanComARX_RedrawStiffJitsuitaLispFunc);
    define("deleteplate", TrevanComARX_DeleteStiffJitsuitaLineLispFunc);
    ZcDbObjectId id = stiffener("LONG_FB", "R");
    EXPECT_EQ(trimmed(call("(redrawplate)")), "nil");
    EXPECT_EQ(trimmed(call("(redrawplate \"x\")")), "nil");
    EXPECT_EQ(trimmed(call("(redrawplate " + ename(id) + ")")), "T");
    const std::string names = listed(id);
    EXPECT_EQ(lines(id).size(), 2u);
    EXPECT_EQ(trimmed(call("(deleteplate " + ename(id) + ")")), "T");
    EXPECT_TRUE(lines(id).empty());
    EXPECT_EQ(listed(id), names);
}

}  // namespace
