// The user coordinate system: setting it, what the system variables and zcedTrans say of it,
// answered points read in it, and the drawing window's pixels.
#include <cmath>

#include "support/editor_fixture.h"

namespace {

class EdUcs : public EditorTest {
protected:
    // A UCS turned a quarter turn about Z with its origin at (100, 50).
    static ZcGeMatrix3d quarterTurn()
    {
        ZcGeMatrix3d m;
        m.setCoordSystem(ZcGePoint3d(100, 50, 0), ZcGeVector3d(0, 1, 0), ZcGeVector3d(-1, 0, 0), ZcGeVector3d::kZAxis);
        return m;
    }
    static ZcGePoint3d trans(const ZcGePoint3d& p, short from, short to)
    {
        resbuf f{}, t{};
        f.restype = t.restype = RTSHORT;
        f.resval.rint = from;
        t.resval.rint = to;
        ads_point in = {p.x, p.y, p.z}, out;
        EXPECT_EQ(zcedTrans(in, &f, &t, 0, out), RTNORM);
        return {out[X], out[Y], out[Z]};
    }
    static ZcGePoint3d varPoint(const char* name)
    {
        resbuf rb{};
        EXPECT_EQ(zcedGetVar(name, &rb), RTNORM);
        return {rb.resval.rpoint[0], rb.resval.rpoint[1], rb.resval.rpoint[2]};
    }
    static int worldUcs()
    {
        resbuf rb{};
        zcedGetVar("WORLDUCS", &rb);
        return rb.resval.rint;
    }
};

TEST_F(EdUcs, SettingAUcsChangesItsVariablesAndTheWorldComesBack)
{
    ASSERT_EQ(zcedSetCurrentUCS(quarterTurn()), Zcad::eOk);
    EXPECT_EQ(worldUcs(), 0);
    EXPECT_TRUE(varPoint("UCSORG").isEqualTo(ZcGePoint3d(100, 50, 0)));
    EXPECT_TRUE(varPoint("UCSXDIR").isEqualTo(ZcGePoint3d(0, 1, 0)));
    EXPECT_TRUE(varPoint("UCSYDIR").isEqualTo(ZcGePoint3d(-1, 0, 0)));
    ZcGeMatrix3d m;
    ASSERT_EQ(zcedGetCurrentUCS(m), Zcad::eOk);
    EXPECT_TRUE(m.isEqualTo(quarterTurn()));
    ASSERT_TRUE(zcdbUcsMatrix(m, db.get()));
    EXPECT_TRUE(m.isEqualTo(quarterTurn()));

    // Only a rigid system is one: a scaling is refused and leaves the UCS as it was.
    EXPECT_EQ(zcedSetCurrentUCS(ZcGeMatrix3d::scaling(2.0)), Zcad::eInvalidInput);
    EXPECT_EQ(worldUcs(), 0);
    ASSERT_EQ(zcedSetCurrentUCS(ZcGeMatrix3d::kIdentity), Zcad::eOk);
    EXPECT_EQ(worldUcs(), 1);
    EXPECT_TRUE(varPoint("UCSXDIR").isEqualTo(ZcGePoint3d(1, 0, 0)));
}

TEST_F(EdUcs, TransConvertsBetweenWorldAndUserButDisplayStaysTheWorld)
{
    ASSERT_EQ(zcedSetCurrentUCS(quarterTurn()), Zcad::eOk);
    // World (100, 60) lies 10 along the UCS X axis, which points along world Y.
    EXPECT_TRUE(trans({100, 60, 0}, 0, 1).isEqualTo(ZcGePoint3d(10, 0, 0)));
    EXPECT_TRUE(trans({10, 0, 0}, 1, 0).isEqualTo(ZcGePoint3d(100, 60, 0)));
    EXPECT_TRUE(trans({100, 60, 0}, 0, 2).isEqualTo(ZcGePoint3d(100, 60, 0)));
    // A displacement turns but does not move.
    resbuf f{}, t{};
    f.restype = t.restype = RTSHORT;
    f.resval.rint = 1;
    t.resval.rint = 0;
    ads_point d = {1, 0, 0}, out;
    ASSERT_EQ(zcedTrans(d, &f, &t, 1, out), RTNORM);
    EXPECT_NEAR(out[X], 0.0, 1e-12);
    EXPECT_NEAR(out[Y], 1.0, 1e-12);
}

TEST_F(EdUcs, EachDrawingKeepsItsOwnUcs)
{
    ASSERT_EQ(zcedSetCurrentUCS(quarterTurn()), Zcad::eOk);
    ZcDbDatabase other;
    zcdbHostApplicationServices()->setWorkingDatabase(&other);
    EXPECT_EQ(worldUcs(), 1);
    zcdbHostApplicationServices()->setWorkingDatabase(db.get());
    EXPECT_EQ(worldUcs(), 0);
}

TEST_F(EdUcs, AnsweredPointsAreUcsPointsForPicksAndWindows)
{
    ZcDbObjectId line = addLine(90, 60, 110, 60);  // along world X at world Y 60
    ASSERT_EQ(zcedSetCurrentUCS(quarterTurn()), Zcad::eOk);
    ads_name e;
    ads_point at;
    // UCS (10, 0) is world (100, 60), on the line; UCS (100, 60) is far from it.
    answer({"100,60", "10,0"});
    EXPECT_EQ(zcedEntSel("\nSelect: ", e, at), RTERROR);
    ASSERT_EQ(zcedEntSel("\nSelect: ", e, at), RTNORM);
    EXPECT_EQ(idOf(e), line);
    EXPECT_DOUBLE_EQ(at[X], 10.0);

    // A crossing window given in UCS corners around world (100, 60).
    ads_point a = {9, -1, 0}, b = {11, 1, 0};
    ads_name ss;
    ASSERT_EQ(zcedSSGet("C", a, b, nullptr, ss), RTNORM);
    int32_t n = 0;
    zcedSSLength(ss, &n);
    EXPECT_EQ(n, 1);
    zcedSSFree(ss);
}

TEST_F(EdUcs, TheLineCommandDrawsUcsPointsInTheWorld)
{
    ASSERT_EQ(zcedSetCurrentUCS(quarterTurn()), Zcad::eOk);
    answer({"0,0", "10,0", ""});
    zrxhost::runCommandLine("LINE");
    ads_name last;
    ASSERT_EQ(zcdbEntLast(last), RTNORM);
    ZcDbObjectPointer<ZcDbLine> l(idOf(last), ZcDb::kForRead);
    ASSERT_EQ(l.openStatus(), Zcad::eOk);
    EXPECT_TRUE(l->startPoint().isEqualTo(ZcGePoint3d(100, 50, 0)));
    EXPECT_TRUE(l->endPoint().isEqualTo(ZcGePoint3d(100, 60, 0)));
}

TEST_F(EdUcs, PixelsOfTheDrawingWindowMapToTheViewAndBack)
{
    // A new drawing shows 297 units on 900 pixels around (210, 148.5).
    ads_point w;
    ASSERT_EQ(zcedCoordFromPixelToWorld(2, CPoint(800, 450), w), RTNORM);
    EXPECT_NEAR(w[X], 210.0, 1e-9);
    EXPECT_NEAR(w[Y], 148.5, 1e-9);
    ZcGePoint3d corner;
    ASSERT_TRUE(zcedCoordFromPixelToWorld(CPoint(0, 0), corner));
    EXPECT_NEAR(corner.x, 210.0 - 800 * 0.33, 1e-9);
    EXPECT_NEAR(corner.y, 148.5 + 450 * 0.33, 1e-9);
    CPoint back;
    ads_point p = {210.0 + 33.0, 148.5 - 3.3, 0};
    ASSERT_TRUE(zcedCoordFromWorldToPixel(2, p, back));
    EXPECT_EQ(back, CPoint(900, 460));
    EXPECT_EQ(zcedCoordFromPixelToWorld(1, CPoint(0, 0), w), RTERROR);
}

}  // namespace
