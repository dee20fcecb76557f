// Entities of a drawing: handle names both ways, stale and unknown handles, collecting
// stiffeners and entities by application, their extents, and the zoom to the drawing's.
#include "TrevanCom2002.h"
#include "support/editor_fixture.h"

namespace {

using HandleNames = EditorTest;

TEST_F(HandleNames, AHandleNameLeadsBackToItsEntityInEitherCaseUnknownAndStaleOnesToNothingUsable)
{
    ZcDbObjectId line = addLine(0, 0, 1, 0);
    CString name = TrevanComARX_GetHandleName(line);
    EXPECT_EQ(name, hex(line).c_str());
    ads_name ent;
    ASSERT_EQ(zcdbGetAdsName(ent, line), Zcad::eOk);
    EXPECT_EQ(TrevanComARX_GetHandleName(ent), name);
    name.MakeLower();
    EXPECT_EQ(TrevanComARX_GetObjid(name), line);
    ZcDbObjectId found;
    EXPECT_TRUE(TrevanComARX_GetObjid(name, found));
    EXPECT_EQ(found, line);
    for (const char* text : {"FFFFFF", "not a handle", ""}) EXPECT_TRUE(TrevanComARX_GetObjid(text).isNull()) << text;
    EXPECT_FALSE(TrevanComARX_GetObjid("FFFFFF", found));
    EXPECT_TRUE(found.isNull());
    EXPECT_EQ(TrevanComARX_GetHandleName(ZcDbObjectId::kNull), "");
    // An erased entity keeps its handle until the drawing is saved, but cannot be opened.
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForWrite);
        ASSERT_EQ(e->erase(), Zcad::eOk);
    }
    EXPECT_EQ(TrevanComARX_GetObjid(hex(line).c_str()), line);
    EXPECT_FALSE(TrevanComARX_GetObjid(hex(line).c_str(), found));
}

class EntityCollections : public EditorTest {
protected:
    void SetUp() override
    {
        EditorTest::SetUp();
        for (const char* app : {"STIFF", "STIFF_LINK", "PLATE"}) regApp(app);
    }
    ZcDbObjectId line(double y, const char* app = nullptr)
    {
        ZcDbObjectId id = addLine(0, y, 10, y);
        if (app != nullptr) {
            EXPECT_EQ(TrevanComARX_SetXdataStr(id, app, "1"), 1);
        }
        return id;
    }
};

TEST_F(EntityCollections, StiffenersAndEntitiesOfListedApplicationsComeInModelSpaceOrder)
{
    ZcDbObjectId plain = line(0);
    ZcDbObjectId s1 = line(1, "STIFF");
    line(2, "STIFF_LINK");
    ZcDbObjectId p = line(3, "PLATE");
    ZcDbObjectId s2 = line(4, "STIFF");
    TrevanComARX_DeleteObj(line(5, "STIFF"));
    ZcDbObjectIdArray stiffeners, all, some;
    // Appended to, not replaced.
    stiffeners.append(plain);
    ASSERT_TRUE(TrevanCom_GetAllStiffObjectIdArray(stiffeners));
    EXPECT_EQ(stiffeners, (ZcDbObjectIdArray{plain, s1, s2}));
    ASSERT_TRUE(TrevanCom_GetAllObjectIdArray(db.get(), all, ""));
    EXPECT_EQ(all.length(), 5);
    ASSERT_TRUE(TrevanCom_GetAllObjectIdArray(db.get(), some, "stiff,PLATE"));
    EXPECT_EQ(some, (ZcDbObjectIdArray{s1, p, s2}));
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
    ids = ZcDbObjectIdArray{a, gone, c};
    ASSERT_TRUE(TrevanComARX_GetGeomExtents(ids, hi, lo));
    EXPECT_TRUE(lo.isEqualTo(ZcGePoint3d(0, 0, 0)));
    EXPECT_TRUE(hi.isEqualTo(ZcGePoint3d(55, 55, 0)));
    ids.insertAt(0, gone);
    EXPECT_FALSE(TrevanComARX_GetGeomExtents(ids, hi, lo));
}

using Display = EditorTest;

TEST_F(Display, TheZoomCentresTheExtentsAndFallsBackToTheSheetFrame)
{
    ZcGsView* view = zcgsGetGsView(2, true);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(TrevanComARX_ZoomCurDwg());
    ASSERT_TRUE(zcgsGetViewParameters(2, view));
    EXPECT_NEAR(view->target().x, 1657.44, 1e-9);
    EXPECT_NEAR(view->target().y, 1485.0, 1e-9);
    EXPECT_NEAR(view->fieldHeight(), 2970.0, 1e-9);

    addLine(100, 200, 500, 200);
    addLine(100, 0, 100, 100);
    ASSERT_TRUE(TrevanComARX_ZoomCurDwg());
    ASSERT_TRUE(zcgsGetViewParameters(2, view));
    EXPECT_NEAR(view->target().x, 300.0, 1e-9);
    EXPECT_NEAR(view->target().y, 100.0, 1e-9);
    // 400 wide and 200 high: the screen's shape makes the width decide.
    EXPECT_NEAR(view->fieldWidth(), 400.0, 1e-9);
}

}  // namespace
