// Where a stored stiffener lies: taken from its entity, never from its xdata.
#include "stiff_persist_fixture.h"

namespace {

class StiffPersistGeometry : public StiffPersistTest {
protected:
    void setDrawingArrowSize(double size)
    {
        resbuf rb;
        rb.restype = RTREAL;
        rb.resval.rreal = size;
        ASSERT_EQ(zcedSetVar("DIMASZ", &rb), RTNORM);
    }
    // A record whose geometry fields are all away from what any entity here gives.
    static CStiffData misplaced()
    {
        CStiffData s = sample();
        s.m_ptStart.set(-7, -7, -7);
        s.m_ptEnd.set(-8, -8, -8);
        s.m_rDimAsz = 99.0;
        s.m_rNormVecX = 0.6;
        s.m_rNormVecY = 0.0;
        s.m_rNormVecZ = 0.8;
        return s;
    }
};

TEST_F(StiffPersistGeometry, AnAlignedDimensionGivesItsDimensionLine)
{
    setDrawingArrowSize(7.0);
    auto* dim = new ZcDbAlignedDimension(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1000, 0, 0), ZcGePoint3d(1000, 50, 0));
    dim->setDimasz(3.0);
    dim->setNormal(ZcGeVector3d(0, 0, -1));
    ZcDbObjectId id = addToModelSpace(dim);
    ASSERT_TRUE(TrevanComARX_SetStiffdata(id, misplaced()));
    CStiffData r = readBack(id);
    EXPECT_EQ(r.m_ptStart, ZcGePoint3d(0, 50, 0));
    EXPECT_EQ(r.m_ptEnd, ZcGePoint3d(1000, 50, 0));
    // The dimension's own arrow size, not the drawing's.
    EXPECT_EQ(r.m_rDimAsz, 3.0);
    EXPECT_EQ(r.m_rNormVecX, 0.0);
    EXPECT_EQ(r.m_rNormVecY, 0.0);
    EXPECT_EQ(r.m_rNormVecZ, -1.0);
}

TEST_F(StiffPersistGeometry, ALineGivesItsEndsTheDrawingsArrowSizeAndTheWorldNormal)
{
    setDrawingArrowSize(4.5);
    ZcDbObjectId id = addToModelSpace(new ZcDbLine(ZcGePoint3d(10, 20, 0), ZcGePoint3d(1010, 20, 0)));
    ASSERT_TRUE(TrevanComARX_SetStiffdata(id, misplaced()));
    CStiffData r = readBack(id);
    EXPECT_EQ(r.m_ptStart, ZcGePoint3d(10, 20, 0));
    EXPECT_EQ(r.m_ptEnd, ZcGePoint3d(1010, 20, 0));
    EXPECT_EQ(r.m_rDimAsz, 4.5);
    EXPECT_EQ(r.m_rNormVecX, 0.0);
    EXPECT_EQ(r.m_rNormVecY, 0.0);
    EXPECT_EQ(r.m_rNormVecZ, 1.0);
    // The stored fields are untouched by the geometry.
    expectSameStored(r, misplaced());
}

TEST_F(StiffPersistGeometry, AnyCurveGivesItsEnds)
{
    auto* arc = new ZcDbArc(ZcGePoint3d(0, 0, 0), 100.0, 0.0, 3.14159265358979323846 / 2);
    ZcDbObjectId id = addToModelSpace(arc);
    ASSERT_TRUE(TrevanComARX_SetStiffdata(id, misplaced()));
    CStiffData r = readBack(id);
    EXPECT_NEAR(r.m_ptStart.x, 100.0, 1e-9);
    EXPECT_NEAR(r.m_ptStart.y, 0.0, 1e-9);
    EXPECT_NEAR(r.m_ptEnd.x, 0.0, 1e-9);
    EXPECT_NEAR(r.m_ptEnd.y, 100.0, 1e-9);
}

TEST_F(StiffPersistGeometry, AnEntityThatIsNeitherKeepsTheRecordsGeometry)
{
    ZcDbObjectId id = addToModelSpace(new ZcDbPoint(ZcGePoint3d(3, 4, 0)));
    ASSERT_TRUE(TrevanComARX_SetStiffdata(id, misplaced()));
    CStiffData r = misplaced();
    r.m_strName.Empty();
    ASSERT_TRUE(TrevanComARX_GetStiffdata(id, r));
    EXPECT_EQ(r.m_strName, misplaced().m_strName);
    EXPECT_EQ(r.m_ptStart, ZcGePoint3d(-7, -7, -7));
    EXPECT_EQ(r.m_rDimAsz, 99.0);
    EXPECT_EQ(r.m_rNormVecX, 0.6);
}

TEST_F(StiffPersistGeometry, TheWebCentreLineOfAStoredStiffener)
{
    ZcDbObjectId angle = addLine(0, 0, 1000, 0);
    CStiffData a = sample();
    a.m_strFType = "LONG_A";
    a.m_rWebThick = 12.0;
    a.m_strItanige = "R,R";
    ASSERT_TRUE(TrevanComARX_SetStiffdata(angle, a));
    ZcGePoint3d s, e;
    ASSERT_TRUE(TrevanCom_GetWebCenterLine(angle, s, e));
    // The line is the mould line; the web's thickness lies to the right, below it.
    EXPECT_EQ(s, ZcGePoint3d(0, -6, 0));
    EXPECT_EQ(e, ZcGePoint3d(1000, -6, 0));

    ZcDbObjectId tee = addLine(0, 100, 0, 900);
    a.m_strFType = "LONG_H";
    ASSERT_TRUE(TrevanComARX_SetStiffdata(tee, a));
    ASSERT_TRUE(TrevanCom_GetWebCenterLine(tee, s, e));
    EXPECT_EQ(s, ZcGePoint3d(0, 100, 0));
    EXPECT_EQ(e, ZcGePoint3d(0, 900, 0));
}

TEST_F(StiffPersistGeometry, NoWebCentreLineWithoutARecord)
{
    ZcDbObjectId line = addLine(0, 0, 1000, 0);
    ZcGePoint3d s(1, 2, 3), e(4, 5, 6);
    EXPECT_FALSE(TrevanCom_GetWebCenterLine(line, s, e));
    EXPECT_FALSE(TrevanCom_GetWebCenterLine(ZcDbObjectId::kNull, s, e));
    EXPECT_EQ(s, ZcGePoint3d(1, 2, 3));
    EXPECT_EQ(e, ZcGePoint3d(4, 5, 6));
}

}  // namespace
