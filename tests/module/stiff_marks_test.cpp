// The marks of a stiffener: its Y marks switched on and off at the end nearer a point, and
// its plate-escape and flange sides shown as temporary arrows.
#include <cmath>
#include <vector>

#include "TrevanCom2002.h"
#include "zrxhost/display_state.h"
#include "command_text.h"
#include "install_fixture.h"
#include "lisp_call_fixture.h"

namespace {

class YMarks : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        define("ymark", TrevanComARX_setLineStiffYMarkOnOff);
        ZcDbObjectPointer<ZcDbBlockTable> blocks(db->blockTableId(), ZcDb::kForWrite);
        auto* block = new ZcDbBlockTableRecord;
        block->setName("YMARK");
        ASSERT_EQ(blocks->add(blockId, block), Zcad::eOk);
        ZcDbObjectId part;
        auto* stroke = new ZcDbLine({0, 0, 0}, {0, 20, 0});
        ASSERT_EQ(block->appendZcDbEntity(part, stroke), Zcad::eOk);
        stroke->close();
        block->close();
        stiff = addLine(0, 0, 100, 0);
        startMark = mark({0, 0, 0}, "STIFF_SYMARK_HDNAME");
        endMark = mark({100, 0, 0}, "STIFF_EYMARK_HDNAME");
    }
    ZcDbObjectId mark(const ZcGePoint3d& at, const char* link)
    {
        ZcDbObjectId id = addToModelSpace(new ZcDbBlockReference(at, blockId));
        {
            ZcDbObjectPointer<ZcDbBlockReference> r(id, ZcDb::kForWrite);
            auto* attribute = new ZcDbAttribute(at, "Y", "KIND");
            EXPECT_EQ(r->appendAttribute(attribute), Zcad::eOk);
            attribute->close();
        }
        EXPECT_EQ(TrevanComARX_SetXdataStr(stiff, link, hex(id).c_str()), 1);
        return id;
    }
    std::string at(double x) { return "(ymark " + ename(stiff) + " '(" + std::to_string(x) + " 5.0 0.0))"; }
    static bool attributeShown(ZcDbObjectId refId)
    {
        ZcDbObjectPointer<ZcDbBlockReference> r(refId, ZcDb::kForRead);
        ZcDbObjectIterator* it = r->attributeIterator();
        it->start();
        ZcDbObjectPointer<ZcDbEntity> a(it->objectId(), ZcDb::kForRead);
        delete it;
        return a->visibility() == ZcDb::kVisible;
    }

    ZcDbObjectId blockId, stiff, startMark, endMark;
};

class StiffMarks : public YMarks {
protected:
    SampleInstall install;
};

class StiffMarksWithoutInstall : public YMarks {
protected:
    TempDriveC drive;
};

TEST_F(StiffMarks, APointNearerTheStartSwitchesTheStartMarkWithItsAttributes)
{
    EXPECT_EQ(trimmed(call(at(10))), "T");
    EXPECT_FALSE(TrevanCom_CheckVisibility(startMark));
    EXPECT_FALSE(attributeShown(startMark));
    EXPECT_TRUE(TrevanCom_CheckVisibility(endMark));
    EXPECT_EQ(trimmed(call(at(49.9))), "T");
    EXPECT_TRUE(TrevanCom_CheckVisibility(startMark));
    EXPECT_TRUE(attributeShown(startMark));
}

TEST_F(StiffMarks, APointHalfwaySwitchesTheEndMark)
{
    EXPECT_EQ(trimmed(call(at(50))), "T");
    EXPECT_TRUE(TrevanCom_CheckVisibility(startMark));
    EXPECT_FALSE(TrevanCom_CheckVisibility(endMark));
}

TEST_F(StiffMarks, AHiddenStiffenerHidesItsMarksAndShowsThemAgain)
{
    TrevanComARX_StiffVisibility(stiff, false);
    EXPECT_FALSE(TrevanCom_CheckVisibility(startMark));
    EXPECT_FALSE(TrevanCom_CheckVisibility(endMark));
    TrevanComARX_StiffVisibility(stiff, true);
    EXPECT_TRUE(TrevanCom_CheckVisibility(stiff));
    EXPECT_TRUE(TrevanCom_CheckVisibility(endMark));
}

TEST_F(StiffMarks, TheMarksFollowEvenWhenTheStiffenersLayerIsLocked)
{
    TrevanComARX_MakeLayer("HULL", 3, "CONTINUOUS", -3, "", db.get());
    {
        ZcDbObjectPointer<ZcDbEntity> e(stiff, ZcDb::kForWrite);
        ASSERT_EQ(e->setLayer("HULL"), Zcad::eOk);
    }
    ASSERT_TRUE(TrevanComARX_SetLayerStatus("HULL", CLayerStatus{false, true, false, true}));
    TrevanComARX_StiffVisibility(stiff, false);
    EXPECT_TRUE(TrevanCom_CheckVisibility(stiff));
    EXPECT_FALSE(TrevanCom_CheckVisibility(startMark));
    EXPECT_FALSE(TrevanCom_CheckVisibility(endMark));
}

TEST_F(StiffMarks, TheMarkLayerIsLeftAsItWas)
{
    const CLayerStatus closed{true, true, false, true};
    TrevanComARX_MakeLayer("YMARK", 2, "CONTINUOUS", -3, "", db.get());
    {
        ZcDbObjectPointer<ZcDbEntity> e(endMark, ZcDb::kForWrite);
        ASSERT_EQ(e->setLayer("YMARK"), Zcad::eOk);
    }
    ASSERT_TRUE(TrevanComARX_SetLayerStatus("YMARK", closed));
    EXPECT_EQ(trimmed(call(at(90))), "T");
    EXPECT_FALSE(TrevanCom_CheckVisibility(endMark));
    CLayerStatus now;
    ASSERT_TRUE(TrevanComARX_GetLayerStatus("YMARK", now));
    EXPECT_EQ(now, closed);
}

TEST_F(StiffMarks, NoCurveOrNoMarkOrBadArguments)
{
    EXPECT_EQ(call("(ymark " + ename(startMark) + " '(0.0 0.0 0.0))"), "\nnil\n");
    const ZcDbObjectId bare = addLine(0, 50, 100, 50);
    EXPECT_EQ(trimmed(call("(ymark " + ename(bare) + " '(0.0 50.0 0.0))")), "T");
    EXPECT_EQ(trimmed(call("(ymark " + ename(stiff) + ")")), "引数エラー\nnil");
    EXPECT_TRUE(TrevanCom_CheckVisibility(startMark));
    EXPECT_TRUE(TrevanCom_CheckVisibility(endMark));
}

TEST_F(StiffMarksWithoutInstall, AnUnknownDataFolderGivesNilSilently)
{
    EXPECT_EQ(call(at(10)), "\nnil\n");
    EXPECT_TRUE(TrevanCom_CheckVisibility(startMark));
}

class SideArrows : public LispCallTest {
protected:
    // Sides as the record stores them: plate-escape side, flange side.
    ZcDbObjectId stiffener(const ZcGePoint3d& a, const ZcGePoint3d& b, const char* sides)
    {
        ZcDbObjectId id = addToModelSpace(new ZcDbLine(a, b));
        CStiffData s;
        s.m_ptStart = a;
        s.m_ptEnd = b;
        s.m_strFType = "LONG_L";
        s.m_strCode = "L1";
        s.m_strItanige = sides;
        EXPECT_TRUE(TrevanComARX_SetStiffdata(id, s));
        return id;
    }
    void viewHeight(double height)
    {
        answer({"C", "0,0", std::to_string(height)});
        zrxhost::runCommandLine("ZOOM");
    }
    const std::vector<zrxhost::GrVector>& drawn() { return zrxhost::grDrawVectors(); }
    // The shaft from the middle, then the two head strokes from its tip.
    void expectArrow(size_t first, const ZcGePoint3d& from, const ZcGePoint3d& tip, double head)
    {
        ASSERT_GE(drawn().size(), first + 3);
        const auto& v = drawn();
        EXPECT_TRUE(v[first].from.isEqualTo(from)) << v[first].from.x << "," << v[first].from.y;
        EXPECT_TRUE(v[first].to.isEqualTo(tip)) << v[first].to.x << "," << v[first].to.y;
        const ZcGeVector3d back = from - tip;
        for (size_t i = first + 1; i < first + 3; ++i) {
            EXPECT_TRUE(v[i].from.isEqualTo(tip));
            EXPECT_NEAR(v[i].from.distanceTo(v[i].to), head, 1e-9);
            EXPECT_NEAR((v[i].to - v[i].from).angleTo(back), 15.0 * M_PI / 180.0, 1e-9);
            EXPECT_EQ(v[i].color, 2);
            EXPECT_FALSE(v[i].highlighted);
        }
        // One stroke to each side of the shaft.
        const double s1 = back.crossProduct(v[first + 1].to - tip).z, s2 = back.crossProduct(v[first + 2].to - tip).z;
        EXPECT_LT(s1 * s2, 0.0);
    }
    SampleInstall install;
};

TEST_F(SideArrows, AWideViewGivesAThirdOfTheStiffenerToTheLeftOrRight)
{
    viewHeight(2000);
    const ZcDbObjectId left = stiffener({0, 0, 0}, {300, 0, 0}, "L,R");
    EXPECT_TRUE(TrevanComARX_ShowItanigeSide(left));
    expectArrow(0, {150, 0, 0}, {150, 90, 0}, 27);
    EXPECT_TRUE(TrevanComARX_ShowFlangeSide(left));
    expectArrow(3, {150, 0, 0}, {150, -90, 0}, 27);
    // Anything but "R" is the left.
    const ZcDbObjectId other = stiffener({0, 0, 0}, {0, 300, 0}, "x,r");
    EXPECT_TRUE(TrevanComARX_ShowItanigeSide(other));
    expectArrow(6, {0, 150, 0}, {-90, 150, 0}, 27);
    EXPECT_TRUE(TrevanComARX_ShowFlangeSide(other));
    expectArrow(9, {0, 150, 0}, {90, 150, 0}, 27);
}

TEST_F(SideArrows, ANarrowViewGivesATenthOfItsHeight)
{
    viewHeight(500);
    const ZcDbObjectId id = stiffener({300, 0, 0}, {0, 0, 0}, "R,R");
    EXPECT_TRUE(TrevanComARX_ShowItanigeSide(id));
    expectArrow(0, {150, 0, 0}, {150, 50, 0}, 15);
}

TEST_F(SideArrows, ArrowsAreDrawnInTheUserSystemAndNeverEnterTheDrawing)
{
    viewHeight(2000);
    const ZcDbObjectId id = stiffener({0, 0, 0}, {300, 0, 0}, "L,L");
    ZcGeMatrix3d shifted;
    shifted.setToTranslation(ZcGeVector3d(1000, 0, 0));
    ASSERT_EQ(zcedSetCurrentUCS(shifted), Zcad::eOk);
    EXPECT_TRUE(TrevanComARX_ShowItanigeSide(id));
    expectArrow(0, {150, 0, 0}, {150, 90, 0}, 27);
    EXPECT_EQ(TrevanComARX_GetLastObjid(), id);
    EXPECT_FALSE(TrevanComARX_ShowItanigeSide(addLine(0, 0, 1, 0)));
    EXPECT_EQ(drawn().size(), 3u);
}

TEST_F(SideArrows, TheDetailShowsTheSetsOfTheLispGlobals)
{
    define("showdetail", TrevanComARX_ShowStiffDetailLispFunc);
    viewHeight(2000);
    const ZcDbObjectId a = stiffener({0, 0, 0}, {300, 0, 0}, "L,R");
    const ZcDbObjectId b = stiffener({0, 500, 0}, {300, 500, 0}, "R,L");
    call("(setq ##TreviComArx_Lisp_Gloval_Itanige (ssadd " + ename(a) + " (ssadd " + ename(b) + ")))");
    call("(setq ##TreviComArx_Lisp_Gloval_Flange (ssadd " + ename(b) + "))");
    call("(setq ##TreviComArx_Lisp_Gloval_Rabatt (ssadd " + ename(a) + "))");
    EXPECT_EQ(trimmed(call("(showdetail)")), "nil");
    ASSERT_EQ(drawn().size(), 9u);
    expectArrow(0, {150, 500, 0}, {150, 410, 0}, 27);
    expectArrow(3, {150, 0, 0}, {150, 90, 0}, 27);
    expectArrow(6, {150, 500, 0}, {150, 590, 0}, 27);
    zrxhost::runCommandLine("REGEN");
    EXPECT_TRUE(drawn().empty());
    // Globals that hold no set show nothing.
    call("(setq ##TreviComArx_Lisp_Gloval_Itanige nil ##TreviComArx_Lisp_Gloval_Flange 5)");
    call("(showdetail)");
    EXPECT_TRUE(drawn().empty());
    call("(setq ##TreviComArx_Lisp_Gloval_Flange nil ##TreviComArx_Lisp_Gloval_Rabatt nil)");
}

}  // namespace
