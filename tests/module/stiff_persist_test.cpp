// A stiffener record written to its entity and read back: every stored field, 16-bit
// integers, the side string, the geometry taken from the entity, the LISP forms, and what
// happens without an installation.
#include <cmath>
#include <cstdio>
#include <numbers>

#include "command_text.h"
#include "stiff_persist_fixture.h"

namespace {

using StiffPersist = StiffPersistTest;

TEST_F(StiffPersist, EveryStoredFieldComesBackByIdAndThroughAnOpenEntity)
{
    ZcDbObjectId byId = addLine(0, 0, 1000, 0);
    ASSERT_TRUE(TrevanComARX_SetStiffdata(byId, sample()));
    EXPECT_EQ(stored(readBack(byId)), stored(sample()));
    ZcDbObjectId open = addLine(0, 100, 1000, 100);
    {
        // Held open for read only: the write upgrades it.
        ZcDbObjectPointer<ZcDbEntity> ent(open, ZcDb::kForRead);
        ASSERT_TRUE(TrevanComARX_SetStiffdata(ent.object(), sample()));
        CStiffData inPlace;
        ASSERT_TRUE(TrevanComARX_GetStiffdata(ent.object(), inPlace));
        EXPECT_EQ(stored(inPlace), stored(sample()));
    }
    // Integers keep their low 16 bits, with their sign.
    CStiffData s = sample();
    s.m_nRes1 = 70000;
    s.m_nRes2 = -1;
    s.m_nNewRes1 = 65535;
    s.m_nNewRes2 = 32768;
    ASSERT_TRUE(TrevanComARX_SetStiffdata(open, s));
    CStiffData r = readBack(open);
    EXPECT_EQ((std::vector<int>{r.m_nRes1, r.m_nRes2, r.m_nNewRes1, r.m_nNewRes2}), (std::vector<int>{4464, -1, -1, -32768}));
}

TEST_F(StiffPersist, ALoneSideLetterIsCompletedOnTheEntityNotInTheCallersRecord)
{
    ZcDbObjectId a = addLine(0, 0, 1000, 0);
    CStiffData left = sample();
    left.m_strItanige = "L";
    ASSERT_TRUE(TrevanComARX_SetStiffdata(a, left));
    EXPECT_EQ(left.m_strItanige, "L");
    EXPECT_EQ(readBack(a).m_strItanige, "L,L");
    CStiffData blank = sample();
    blank.m_strItanige.Empty();
    {
        ZcDbObjectPointer<ZcDbEntity> ent(a, ZcDb::kForWrite);
        ASSERT_TRUE(TrevanComARX_SetStiffdata(ent.object(), blank));
    }
    EXPECT_TRUE(blank.m_strItanige.IsEmpty());
    EXPECT_EQ(readBack(a).m_strItanige, ",");
    // The record's own write completes its own sides.
    CStiffData own = sample();
    own.m_strItanige = "l";
    ASSERT_TRUE(own.setStiffdata(a, "STIFF"));
    EXPECT_EQ(own.m_strItanige, "l,l");
    EXPECT_EQ(readBack(a).m_strItanige, "l,l");
}

TEST_F(StiffPersist, NothingIsWrittenNorReadWithoutTheSystemFolderOrAnEntityThatOpens)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    ASSERT_TRUE(TrevanComARX_SetStiffdata(line, sample()));
    CStiffData r;
    EXPECT_FALSE(TrevanComARX_SetStiffdata(ZcDbObjectId::kNull, sample()));
    EXPECT_FALSE(TrevanComARX_GetStiffdata(ZcDbObjectId::kNull, r));
    EXPECT_FALSE(TrevanComARX_GetStiffdata(static_cast<ZcDbEntity*>(nullptr), r));
    {
        // Already open for write elsewhere: the write by id cannot open it.
        ZcDbObjectPointer<ZcDbEntity> held(line, ZcDb::kForWrite);
        EXPECT_FALSE(TrevanComARX_SetStiffdata(line, CStiffData()));
    }
    install.forgetFolders();
    EXPECT_FALSE(TrevanComARX_SetStiffdata(line, CStiffData()));
    r.m_strName = "kept";
    EXPECT_FALSE(TrevanComARX_GetStiffdata(line, r));
    EXPECT_EQ(r.m_strName, "kept");
    // The record already there survives the failed writes.
    install.put("WINDOWS/TrevanAcad.ini", "[DIR]\r\nTrevanAcadSysDir=C:\\TREVAN\\SYSTEM\r\n");
    EXPECT_EQ(stored(readBack(line)), stored(sample()));
}

class StiffPersistGeometry : public StiffPersistTest {
protected:
    // Writes a record whose geometry is away from anything an entity here gives, with the
    // drawing's arrow size, and reads it back: end points, arrow size and normal.
    std::string writtenAndRead(ZcDbEntity* entity, double drawingArrowSize = 2.5)
    {
        resbuf rb;
        rb.restype = RTREAL;
        rb.resval.rreal = drawingArrowSize;
        EXPECT_EQ(zcedSetVar("DIMASZ", &rb), RTNORM);
        ZcDbObjectId id = addToModelSpace(entity);
        CStiffData r = sample();
        r.m_ptStart.set(-7, -7, -7);
        r.m_ptEnd.set(-8, -8, -8);
        r.m_rDimAsz = 99.0;
        r.m_rNormVecX = 0.6;
        r.m_rNormVecZ = 0.8;
        EXPECT_TRUE(TrevanComARX_SetStiffdata(id, r));
        r.m_strName.Empty();
        EXPECT_TRUE(TrevanComARX_GetStiffdata(id, r));
        EXPECT_EQ(stored(r), stored(sample()));
        // Rounded to a millionth, without a negative zero.
        const auto n = [](double v) { return std::round(v * 1e6) / 1e6 + 0.0; };
        char text[200];
        std::snprintf(text, sizeof text, "(%g,%g,%g)-(%g,%g,%g) %g (%g,%g,%g)", n(r.m_ptStart.x), n(r.m_ptStart.y),
                      n(r.m_ptStart.z), n(r.m_ptEnd.x), n(r.m_ptEnd.y), n(r.m_ptEnd.z), n(r.m_rDimAsz),
                      n(r.m_rNormVecX), n(r.m_rNormVecY), n(r.m_rNormVecZ));
        return text;
    }
};

TEST_F(StiffPersistGeometry, TheEntityGivesEndPointsArrowSizeAndNormal)
{
    // An aligned dimension: its dimension line, its own arrow size, its normal.
    auto* dim = new ZcDbAlignedDimension(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1000, 0, 0), ZcGePoint3d(1000, 50, 0));
    dim->setDimasz(3.0);
    dim->setNormal(ZcGeVector3d(0, 0, -1));
    EXPECT_EQ(writtenAndRead(dim, 7.0), "(0,50,0)-(1000,50,0) 3 (0,0,-1)");
    // A curve: its ends, the drawing's arrow size and the world normal.
    EXPECT_EQ(writtenAndRead(new ZcDbLine(ZcGePoint3d(10, 20, 0), ZcGePoint3d(1010, 20, 0)), 4.5),
              "(10,20,0)-(1010,20,0) 4.5 (0,0,1)");
    EXPECT_EQ(writtenAndRead(new ZcDbArc(ZcGePoint3d(0, 0, 0), 100.0, 0.0, std::numbers::pi / 2)),
              "(100,0,0)-(0,100,0) 2.5 (0,0,1)");
    // Anything else keeps the record's geometry.
    EXPECT_EQ(writtenAndRead(new ZcDbPoint(ZcGePoint3d(3, 4, 0))), "(-7,-7,-7)-(-8,-8,-8) 99 (0.6,0,0.8)");
}

TEST_F(StiffPersistGeometry, TheWebCentreLineOfAStoredStiffener)
{
    ZcDbObjectId angle = addLine(0, 0, 1000, 0);
    CStiffData a = sample();
    a.m_rWebThick = 12.0;
    a.m_strItanige = "R,R";
    ASSERT_TRUE(TrevanComARX_SetStiffdata(angle, a));
    ZcGePoint3d s(1, 2, 3), e(4, 5, 6);
    EXPECT_FALSE(TrevanCom_GetWebCenterLine(addLine(0, 0, 10, 0), s, e));
    EXPECT_EQ(s, ZcGePoint3d(1, 2, 3));
    ASSERT_TRUE(TrevanCom_GetWebCenterLine(angle, s, e));
    // The line is the mould line; the web's thickness lies to the right, below it.
    EXPECT_EQ(s, ZcGePoint3d(0, -6, 0));
    EXPECT_EQ(e, ZcGePoint3d(1000, -6, 0));
}

TEST_F(StiffPersist, LispGivesTheEndPointsAndWritesTheAngle)
{
    // As a sibling module defines them, under LISP names of its own.
    define("stiffsept", TrevanComARX_GetStfiffSEPt);
    define("stiffangle", TrevanComARX_SetStiffAngle);
    ZcDbObjectId line = addLine(0, 0, 1000, 250);
    ASSERT_TRUE(TrevanComARX_SetStiffdata(line, sample()));
    const std::string l = ename(line), plain = ename(addLine(0, 100, 1000, 100));
    const std::pair<std::string, std::string> calls[] = {
        // Extra arguments are ignored.
        {"(stiffsept " + l + " 1 \"x\")", "((0.0 0.0 0.0) (1000.0 250.0 0.0))"},
        {"(stiffsept)", "引数エラー\nnil"},
        {"(stiffsept \"" + hex(line) + "\")", "引数エラー1\nnil"},
        // A line that is no stiffener is no argument error: just nil.
        {"(stiffsept " + plain + ")", "nil"},
        {"(stiffangle " + l + " 30)", "引数エラー\nnil"},
        {"(stiffangle " + l + ")", "引数エラー\nnil"},
        {"(stiffangle 30.0 " + l + ")", "引数エラー\nnil"},
        {"(stiffangle " + plain + " 30.0)", "nil"},
        {"(stiffangle " + l + " -22.5)", "T"},
    };
    for (const auto& [expression, answer] : calls) EXPECT_EQ(trimmed(call(expression)), answer) << expression;
    // Only the angle of the record changed.
    CStiffData expected = sample();
    expected.m_strRes2 = "X,-22.5000";
    EXPECT_EQ(stored(readBack(line)), stored(expected));
    install.forgetFolders();
    EXPECT_EQ(trimmed(call("(stiffangle " + l + " 30.0)")), "nil");
    EXPECT_EQ(trimmed(call("(stiffsept " + l + ")")), "nil");
}

}  // namespace
