// Intersections edited in the plan: the common cross point and rotation, members' ends
// trimmed onto their partners, and one member cut where it meets another with a joint line;
// the interactive forms refused in the moulded display and leaving the stiffener layer and
// PICKSTYLE as found on every way out.
#include <cmath>
#include <string>
#include <vector>

#include "TrevanCom2002.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"

namespace {

struct Seg {
    ZcGePoint3d s, e;
};

class CrossTrim : public LispCallTest {
protected:
    ZcDbObjectId member(const char* ftype, ZcGePoint3d start, ZcGePoint3d end, double wt, double fw = 0,
                        const char* side = "R")
    {
        ZcDbObjectId id = addToModelSpace(new ZcDbLine(start, end));
        CStiffData s;
        s.m_ptStart = start;
        s.m_ptEnd = end;
        s.m_strFType = ftype;
        s.m_strCode = "L1";
        s.m_rWebWidth = 150;
        s.m_rWebThick = wt;
        s.m_rFaceWidth = fw;
        s.setStiffItanigeAxis(side);
        EXPECT_TRUE(TrevanComARX_SetStiffdata(id, s));
        TrevanCom_CreateJitsuitaLine(id);
        members.append(id);
        return id;
    }
    ZcDbObjectIdArray linesOf(ZcDbObjectId id)
    {
        ZcDbObjectIdArray ids;
        TrevanCom_CheckStiffLine(id, ids);
        return ids;
    }
    Seg seg(ZcDbObjectId lineId)
    {
        ZcDbObjectPointer<ZcDbLine> l(lineId, ZcDb::kForRead);
        return {l->startPoint(), l->endPoint()};
    }
    std::vector<Seg> segs(ZcDbObjectId id)
    {
        std::vector<Seg> out;
        for (ZcDbObjectId l : linesOf(id)) out.push_back(seg(l));
        return out;
    }
    void actualPlateDisplay() { ASSERT_TRUE(TrevanCom_JitsuitaHyouji(members)); }
    std::string pick(ZcDbObjectId member, int line = 0) { return "#" + hex(linesOf(member)[line]); }
    ZcDbObjectIdArray ids(std::initializer_list<ZcDbObjectId> list)
    {
        ZcDbObjectIdArray out;
        for (ZcDbObjectId id : list) out.append(id);
        return out;
    }
    int countLines()
    {
        ZcDbObjectIdArray all;
        TrevanCom_GetAllObjectIdArray(db.get(), all, nullptr);
        int n = 0;
        for (ZcDbObjectId id : all) {
            ZcDbObjectPointer<ZcDbLine> l(id, ZcDb::kForRead);
            n += l.openStatus() == Zcad::eOk;
        }
        return n;
    }
    SampleInstall install;
    ZcDbObjectIdArray members;
};

void expectAt(const ZcGePoint3d& p, double x, double y)
{
    EXPECT_NEAR(p.x, x, 1e-6);
    EXPECT_NEAR(p.y, y, 1e-6);
}

TEST_F(CrossTrim, TheCommonCrossPointIsTheCrossingWithTheLastPartner)
{
    CStiffData through, p1, p2;
    through.m_ptStart = {0, 0, 0};
    through.m_ptEnd = {1000, 0, 0};
    p1.m_ptStart = {300, 50, 0};
    p1.m_ptEnd = {300, 100, 0};
    p2.m_ptStart = {700, -100, 0};
    p2.m_ptEnd = {800, 100, 0};
    ZcArray<CStiffData> partners;
    partners.append(p1);
    ZcGePoint3d pt;
    ASSERT_TRUE(TrevanComARX_GetComStiffCrossPoint(through, partners, pt));
    expectAt(pt, 300, 0);
    partners.append(p2);
    ASSERT_TRUE(TrevanComARX_GetComStiffCrossPoint(through, partners, pt));
    expectAt(pt, 750, 0);

    transcript();
    zcutPrintf(">");
    EXPECT_FALSE(TrevanComARX_GetComStiffCrossPoint(through, ZcArray<CStiffData>(), pt));
    partners.append(p1);
    EXPECT_FALSE(TrevanComARX_GetComStiffCrossPoint(through, partners, pt));
    ZcArray<CStiffData> parallel;
    parallel.append(through);
    EXPECT_FALSE(TrevanComARX_GetComStiffCrossPoint(through, parallel, pt));
    EXPECT_EQ(transcript(), ">\n対象部材が選択されていません.\n対象部材が2つ以上選択されています."
                            "\n通し部材と対象部材との交点取得に失敗しました.");
}

TEST_F(CrossTrim, TheCrossRotationTurnsByTheThroughMembersAngleAboutTheCrossPoint)
{
    const double a = 30 * M_PI / 180;
    ZcDbObjectId through = member("LONG_F", {0, 0, 0}, {1000 * std::cos(a), 1000 * std::sin(a), 0}, 10);
    ZcDbObjectId partner = member("LONG_F", {400, -500, 0}, {400, 500, 0}, 10);
    ZcGeMatrix3d m;
    ASSERT_TRUE(TrevanComARX_GetComStiffCrossRotation(through, ids({partner}), m));
    const ZcGePoint3d centre(400, 400 * std::tan(a), 0);
    expectAt(m * centre, centre.x, centre.y);
    const ZcGePoint3d moved = m * (centre + ZcGeVector3d(100, 0, 0));
    expectAt(moved, centre.x + 100 * std::cos(a), centre.y + 100 * std::sin(a));
    EXPECT_FALSE(TrevanComARX_GetComStiffCrossRotation(through, ZcDbObjectIdArray(), m));
}

TEST_F(CrossTrim, EndTrimShortensLinesRunningBeyondThePartnerAndLengthensThoseStoppingShort)
{
    // The partner leans, so the through member's two faces meet it at different X: the
    // mould face (y 0) runs beyond it, the other (y -12) stops short.
    ZcDbObjectId through = member("LONG_F", {0, 0, 0}, {805, 0, 0}, 12);
    ZcDbObjectId partner = member("LONG_F", {790, -40, 0}, {830, 80, 0}, 10, 0, "L");
    ASSERT_TRUE(TrevanComARX_LineTrim(through, ids({partner})));
    // Partner lines: x = 790 + (y + 40) / 3 and the one 10 to its left; the nearest
    // crossing to a through end is on the mould line.
    auto s = segs(through);
    ASSERT_EQ(s.size(), 2u);
    expectAt(s[0].s, 0, 0);
    expectAt(s[0].e, 790 + 40.0 / 3, 0);
    expectAt(s[1].e, 790 + 28.0 / 3, -12);
}

TEST_F(CrossTrim, ASymmetricThroughMemberMeetingAFlatBarHasOnlyItsWebTrimmed)
{
    ZcDbObjectId through = member("LONG_I", {0, 0, 0}, {900, 0, 0}, 10, 100);
    ZcDbObjectId partner = member("LONG_F", {800, -300, 0}, {800, 300, 0}, 12, 0, "R");
    ASSERT_TRUE(TrevanComARX_LineTrim(through, ids({partner})));
    auto s = segs(through);
    ASSERT_EQ(s.size(), 4u);
    // The flat bar's lines are x 800 and x 812; the web ends are nearer the one at 812.
    EXPECT_NEAR(s[0].e.x, 812, 1e-6);
    EXPECT_NEAR(s[1].e.x, 812, 1e-6);
    EXPECT_NEAR(s[2].e.x, 900, 1e-6);
    EXPECT_NEAR(s[3].e.x, 900, 1e-6);
}

TEST_F(CrossTrim, EndTrimWithoutACrossingSaysSoAndChangesNothing)
{
    ZcDbObjectId through = member("LONG_F", {0, 0, 0}, {500, 0, 0}, 12);
    ZcDbObjectId partner = member("LONG_F", {800, -300, 0}, {800, 300, 0}, 12);
    transcript();
    zcutPrintf(">");
    EXPECT_TRUE(TrevanComARX_LineTrim(through, ids({partner})));
    EXPECT_EQ(transcript(), ">\n通し部材と相手部材の交点がありません。");
    EXPECT_NEAR(segs(through)[0].e.x, 500, 1e-9);
}

TEST_F(CrossTrim, ACrossingAtRightAnglesCutsAOnBsNearWebAndDrawsTheJoint)
{
    ZcDbObjectId b = member("LONG_F", {0, 0, 0}, {1000, 0, 0}, 12, 0, "L");
    ZcDbObjectId a = member("LONG_F", {500, -400, 0}, {500, 100, 0}, 10, 0, "R");
    auto la = linesOf(a), lb = linesOf(b);
    ZcGePoint3d p1, p2;
    TrevanCom_StiffCrossObjtrim_Sub(la[0], la[1], lb[0], lb[1], p1, p2);
    expectAt(p1, 500, 0);
    expectAt(p2, 510, 0);
    auto s = segs(a);
    expectAt(s[0].s, 500, -400);
    expectAt(s[0].e, 500, 0);
    expectAt(s[1].e, 510, 0);
    expectAt(segs(b)[1].e, 1000, 12);
}

TEST_F(CrossTrim, AnObliqueCrossingCutsAAlongBsSlantingWeb)
{
    const double a30 = 30 * M_PI / 180;
    ZcDbObjectId b = member("LONG_F", {0, 0, 0}, {1000 * std::cos(a30), 1000 * std::sin(a30), 0}, 12, 0, "L");
    ZcDbObjectId a = member("LONG_F", {500, -400, 0}, {500, 400, 0}, 10, 0, "R");
    auto la = linesOf(a), lb = linesOf(b);
    ZcGePoint3d p1, p2;
    TrevanCom_StiffCrossObjtrim_Sub(la[0], la[1], lb[0], lb[1], p1, p2);
    expectAt(p1, 500, 500 * std::tan(a30));
    expectAt(p2, 510, 510 * std::tan(a30));
    expectAt(segs(a)[1].e, 510, 510 * std::tan(a30));
}

TEST_F(CrossTrim, ParallelOrTooShortMembersAreRefusedWithTheirMessage)
{
    ZcDbObjectId b = member("LONG_F", {0, 0, 0}, {1000, 0, 0}, 12);
    ZcDbObjectId c = member("LONG_F", {0, 300, 0}, {1000, 300, 0}, 12);
    ZcDbObjectId d = member("LONG_F", {500, -100, 0}, {500, -100, 0}, 12);
    auto lb = linesOf(b), lc = linesOf(c), ld = linesOf(d);
    ZcGePoint3d p1(7, 7, 0), p2;
    transcript();
    zcutPrintf(">");
    TrevanCom_StiffCrossObjtrim_Sub(lc[0], lc[1], lb[0], lb[1], p1, p2);
    TrevanCom_StiffCrossObjtrim_Sub(ld[0], ld[1], lb[0], lb[1], p1, p2);
    EXPECT_EQ(transcript(), ">\nスチフナAとBが平行です.\nスチフナが短すぎて処理できません.");
    expectAt(p1, 7, 7);
    expectAt(segs(c)[0].e, 1000, 300);
}

TEST_F(CrossTrim, TheInteractiveCutTrimsWebAndFaceOfSymmetricMembersAndDrawsOneJointLine)
{
    TrevanComARX_MakeLayer("STIFF", 4, "CONTINUOUS", -3, "", db.get());
    ZcDbObjectId b = member("LONG_I", {0, 0, 0}, {1000, 0, 0}, 12, 80);
    ZcDbObjectId a = member("LONG_I", {500, -400, 0}, {500, 100, 0}, 10, 100);
    actualPlateDisplay();
    define("crosscut", TrevanComARX_StiffCrossObjtrimFunc);
    const int before = countLines();
    answer({pick(a), pick(b, 1)});
    call("(crosscut)");
    auto s = segs(a);
    ASSERT_EQ(s.size(), 4u);
    // Web lines x 505 and 495 end on B's lower web (y -6); face lines x 550 and 450 on B's
    // lower face (y -40).
    expectAt(s[0].e, 505, -6);
    expectAt(s[1].e, 495, -6);
    expectAt(s[2].e, 550, -40);
    expectAt(s[3].e, 450, -40);
    EXPECT_EQ(countLines(), before + 1);
    ZcDbObjectPointer<ZcDbLine> joint(TrevanComARX_GetLastObjid(), ZcDb::kForRead);
    expectAt(joint->startPoint(), 505, -6);
    expectAt(joint->endPoint(), 495, -6);
    char* layer = joint->layer();
    EXPECT_STREQ(layer, "STIFF");
    zcutDelString(layer);
}

TEST_F(CrossTrim, BothInteractiveEditsAreRefusedInTheMouldedDisplay)
{
    ZcDbObjectId b = member("LONG_F", {0, 0, 0}, {1000, 0, 0}, 12);
    ZcDbObjectId a = member("LONG_F", {500, -400, 0}, {500, 100, 0}, 10);
    define("crosscut", TrevanComARX_StiffCrossObjtrimFunc);
    define("endtrim", TrevanComARX_StiffTanbuTrimFunc);
    answer({pick(a), pick(b)});
    const std::string refusal = "\nモールド表示では実行できません。実板表示に切り替えてください。";
    EXPECT_EQ(call("(crosscut)"), refusal + "\nnil\n");
    EXPECT_EQ(call("(endtrim)"), refusal + "\nnil\n");
    expectAt(segs(a)[0].e, 500, 100);
}

class CrossTrimRestores : public CrossTrim {
protected:
    void SetUp() override
    {
        CrossTrim::SetUp();
        TrevanComARX_MakeLayer("STIFF", 4, "CONTINUOUS", -3, "", db.get());
        b = member("LONG_F", {0, 0, 0}, {1000, 0, 0}, 12, 0, "L");
        a = member("LONG_F", {500, -400, 0}, {500, 100, 0}, 10, 0, "R");
        for (ZcDbObjectId id : members) {
            ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForWrite);
            ASSERT_EQ(e->setLayer("STIFF"), Zcad::eOk);
        }
        for (ZcDbObjectId id : members) TrevanCom_RedrawStiffJitsuita(id);
        actualPlateDisplay();
        ASSERT_TRUE(TrevanComARX_SetLayerStatus("STIFF", closed));
        setPickstyle(0);
        define("endtrim", TrevanComARX_StiffTanbuTrimFunc);
        define("crosscut", TrevanComARX_StiffCrossObjtrimFunc);
    }
    void setPickstyle(int value)
    {
        resbuf rb{};
        rb.restype = RTSHORT;
        rb.resval.rint = static_cast<short>(value);
        ASSERT_EQ(zcedSetVar("PICKSTYLE", &rb), RTNORM);
    }
    void expectRestored(const std::string& when)
    {
        CLayerStatus now;
        ASSERT_TRUE(TrevanComARX_GetLayerStatus("STIFF", now));
        EXPECT_EQ(now, closed) << when;
        resbuf rb{};
        zcedGetVar("PICKSTYLE", &rb);
        EXPECT_EQ(rb.resval.rint, 0) << when;
        EXPECT_EQ(zrxhost::openObjectCount(), 0) << when;
    }
    const CLayerStatus closed{false, true, false, true};
    ZcDbObjectId a, b;
};

TEST_F(CrossTrimRestores, EndTrimGivesLayerAndPickstyleBackAtEveryPromptsEsc)
{
    const std::vector<std::string> full = {pick(a), "#" + hex(linesOf(b)[0]), "", "*cancel*"};
    for (size_t at = 0; at + 1 < full.size(); ++at) {
        std::vector<std::string> lines(full.begin(), full.begin() + static_cast<long>(at));
        lines.push_back("*cancel*");
        answer(lines);
        call("(endtrim)");
        expectRestored("Esc at answer " + std::to_string(at));
        expectAt(segs(a)[0].e, 500, 100);
    }
    answer(full);
    call("(endtrim)");
    expectRestored("after trimming");
    expectAt(segs(a)[0].e, 500, 12);
}

TEST_F(CrossTrimRestores, CrossCutGivesTheMembersLayersBackAtEveryPromptsEscAndAfterTheCut)
{
    for (const std::vector<std::string>& lines : {std::vector<std::string>{"*cancel*"},
                                                  std::vector<std::string>{pick(a), "*cancel*"}}) {
        answer(lines);
        call("(crosscut)");
        expectRestored("Esc after " + std::to_string(lines.size() - 1) + " answers");
        expectAt(segs(a)[0].e, 500, 100);
    }
    answer({pick(a), pick(b)});
    call("(crosscut)");
    expectRestored("after the cut");
    expectAt(segs(a)[0].e, 500, 0);
}

}  // namespace
