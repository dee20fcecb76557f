// The sides of a stiffener set by a picked point, the actual-plate lines following a changed
// side, and on which side of a line a stiffener lies.
#include "TrevanCom2002.h"
#include "command_text.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"

namespace {

class StiffSide : public LispCallTest {
protected:
    ZcDbObjectId stiffener(const char* side)
    {
        ZcDbObjectId id = addToModelSpace(new ZcDbLine({0, 0, 0}, {100, 0, 0}));
        CStiffData s;
        s.m_ptStart = {0, 0, 0};
        s.m_ptEnd = {100, 0, 0};
        s.m_strFType = "LONG_FB";
        s.m_strCode = "L1";
        s.m_rWebThick = 10;
        s.setStiffItanigeAxis(side);
        EXPECT_TRUE(TrevanComARX_SetStiffdata(id, s));
        return id;
    }
    std::string side(ZcDbObjectId id)
    {
        CStiffData s;
        TrevanComARX_GetStiffdata(id, s);
        return std::string(s.getStiffItanigeAxis());
    }
    std::string lines(ZcDbObjectId id)
    {
        CStiffData s;
        TrevanComARX_GetStiffdata(id, s);
        return std::string(s.getThickLineNames());
    }
    SampleInstall install;
};

TEST_F(StiffSide, APointAboveIsLeftAndOneBelowOrOnTheLineIsRight)
{
    ZcDbObjectId id = stiffener("R");
    ASSERT_TRUE(TrevanComARX_setStiffItanige(id, {50, 10, 0}));
    EXPECT_EQ(side(id), "L");
    ASSERT_TRUE(TrevanComARX_setStiffItanige(id, {50, -10, 0}));
    EXPECT_EQ(side(id), "R");
    ASSERT_TRUE(TrevanComARX_setStiffItanige(id, {50, 10, 0}));
    ASSERT_TRUE(TrevanComARX_setStiffItanige(id, {50, 0, 0}));
    EXPECT_EQ(side(id), "R");
    ASSERT_TRUE(TrevanComARX_setStiffFlangeAxis(id, {50, 10, 0}));
    CStiffData s;
    TrevanComARX_GetStiffdata(id, s);
    EXPECT_EQ(s.getStifffFlangeAxis(), "L");
    EXPECT_EQ(side(id), "R");
    EXPECT_FALSE(TrevanComARX_setStiffItanige(addToModelSpace(new ZcDbLine({0, 0, 0}, {1, 0, 0})), {0, 1, 0}));
}

TEST_F(StiffSide, TheLispFormRebuildsTheLinesOnlyWhenTheSideChanges)
{
    define("itanige", TrevanComARX_setStiffItanigeLispFunc);
    ZcDbObjectId id = stiffener("R");
    TrevanCom_CreateJitsuitaLine(id);
    const std::string first = lines(id);
    EXPECT_EQ(trimmed(call("(itanige " + ename(id) + " '(50.0 -10.0 0.0))")), "T");
    EXPECT_EQ(lines(id), first);
    EXPECT_EQ(trimmed(call("(itanige " + ename(id) + " '(50.0 10.0 0.0))")), "T");
    EXPECT_NE(lines(id), first);
    ZcDbObjectIdArray ids;
    ASSERT_TRUE(TrevanCom_CheckStiffLine(id, ids));
    ZcDbObjectPointer<ZcDbLine> other(ids[1], ZcDb::kForRead);
    EXPECT_NEAR(other->startPoint().y, 10, 1e-9);
    other.close();
    EXPECT_EQ(trimmed(call("(itanige " + ename(id) + ")")), "引数エラー\nnil");
}

TEST_F(StiffSide, TheStiffenerLayerIsLeftAsItWasAfterASideChange)
{
    const CLayerStatus closed{true, true, false, true};
    TrevanComARX_MakeLayer("STIFF", 4, "CONTINUOUS", -3, "", db.get());
    ZcDbObjectId id = stiffener("R");
    {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
        ASSERT_EQ(e->setLayer("STIFF"), Zcad::eOk);
    }
    ASSERT_TRUE(TrevanComARX_SetLayerStatus("STIFF", closed));
    EXPECT_TRUE(TrevanComARX_setStiffItanige(id, {50, 10, 0}));
    EXPECT_EQ(side(id), "L");
    CLayerStatus now;
    ASSERT_TRUE(TrevanComARX_GetLayerStatus("STIFF", now));
    EXPECT_EQ(now, closed);
}

TEST_F(StiffSide, AStiffenerLiesOnTheSideOfItsFartherEnd)
{
    CStiffData line, s;
    line.m_ptStart = {0, 0, 0};
    line.m_ptEnd = {1000, 0, 0};
    s.m_ptStart = {500, 10, 0};
    s.m_ptEnd = {500, -300, 0};
    EXPECT_EQ(TrevanComARX_GetStiffLR(line, s), 0);
    s.m_ptEnd = {500, 300, 0};
    s.m_ptStart = {500, -10, 0};
    EXPECT_EQ(TrevanComARX_GetStiffLR(line.m_ptStart, line.m_ptEnd, s), 1);
    // Equal distances: the end decides.
    s.m_ptStart = {500, -20, 0};
    s.m_ptEnd = {600, 20, 0};
    EXPECT_EQ(TrevanComARX_GetStiffLR(line, s), 1);
}

}  // namespace
