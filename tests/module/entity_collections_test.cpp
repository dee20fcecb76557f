// Collecting entities: stiffeners, entities by application, and their extents.
#include "TrevanCom2002.h"
#include "support/editor_fixture.h"

namespace {

class EntityCollections : public EditorTest {
protected:
    ZcDbObjectId marked(ZcDbEntity* e, const char* app)
    {
        ZcDbObjectId id = addToModelSpace(e);
        ZcDbObjectPointer<ZcDbEntity> p(id, ZcDb::kForWrite);
        EXPECT_EQ(TrevanComARX_SetXdataStr(p.object(), app, "1"), 1);
        return id;
    }
    ZcDbObjectId line(double y) { return addToModelSpace(new ZcDbLine(ZcGePoint3d(0, y, 0), ZcGePoint3d(10, y, 0))); }
};

TEST_F(EntityCollections, StiffenersComeInModelSpaceOrderWithoutErasedOnes)
{
    regApp("STIFF");
    regApp("STIFF_LINK");
    ZcDbObjectId s1 = marked(new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 0, 0)), "STIFF");
    marked(new ZcDbLine(ZcGePoint3d(0, 1, 0), ZcGePoint3d(1, 1, 0)), "STIFF_LINK");
    line(2);
    ZcDbObjectId s2 = marked(new ZcDbLine(ZcGePoint3d(0, 3, 0), ZcGePoint3d(1, 3, 0)), "STIFF");
    ZcDbObjectId gone = marked(new ZcDbLine(ZcGePoint3d(0, 4, 0), ZcGePoint3d(1, 4, 0)), "STIFF");
    TrevanComARX_DeleteObj(gone);
    ZcDbObjectIdArray ids;
    ids.append(line(9));  // appended to, not replaced
    ASSERT_TRUE(TrevanCom_GetAllStiffObjectIdArray(ids));
    ASSERT_EQ(ids.length(), 3);
    EXPECT_EQ(ids[1], s1);
    EXPECT_EQ(ids[2], s2);
}

TEST_F(EntityCollections, AllObjectsTakesEveryEntityOrThoseOfAnyListedApplication)
{
    regApp("PLATE");
    regApp("STIFF");
    ZcDbObjectId a = line(0);
    ZcDbObjectId p = marked(new ZcDbLine(ZcGePoint3d(0, 1, 0), ZcGePoint3d(1, 1, 0)), "PLATE");
    ZcDbObjectId s = marked(new ZcDbLine(ZcGePoint3d(0, 2, 0), ZcGePoint3d(1, 2, 0)), "STIFF");
    ZcDbObjectIdArray all, some;
    ASSERT_TRUE(TrevanCom_GetAllObjectIdArray(db.get(), all, ""));
    EXPECT_EQ(all.length(), 3);
    EXPECT_EQ(all[0], a);
    ASSERT_TRUE(TrevanCom_GetAllObjectIdArray(db.get(), some, "stiff,PLATE"));
    ASSERT_EQ(some.length(), 2);
    EXPECT_EQ(some[0], p);
    EXPECT_EQ(some[1], s);
    EXPECT_FALSE(TrevanCom_GetAllObjectIdArray(nullptr, some, ""));
    EXPECT_NE(transcript().find("のオープンに失敗しました."), std::string::npos);
}

TEST_F(EntityCollections, ExtentsEncloseEveryEntityThatOpensButNeedTheFirst)
{
    ZcDbObjectId a = line(0);
    ZcDbObjectId c = addToModelSpace(new ZcDbCircle(ZcGePoint3d(50, 50, 0), ZcGeVector3d::kZAxis, 5));
    ZcDbObjectId gone = line(-100);
    TrevanComARX_DeleteObj(gone);
    ZcGePoint3d hi, lo;
    ZcDbObjectIdArray ids;
    EXPECT_FALSE(TrevanComARX_GetGeomExtents(ids, hi, lo));
    ids.append(a);
    ids.append(gone);
    ids.append(c);
    ASSERT_TRUE(TrevanComARX_GetGeomExtents(ids, hi, lo));
    EXPECT_TRUE(lo.isEqualTo(ZcGePoint3d(0, 0, 0)));
    EXPECT_TRUE(hi.isEqualTo(ZcGePoint3d(55, 55, 0)));
    ids.insertAt(0, gone);
    EXPECT_FALSE(TrevanComARX_GetGeomExtents(ids, hi, lo));
}

}  // namespace
