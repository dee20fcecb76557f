// Copies of stiffeners with their Y marks: moved by a displacement or put on new end points,
// the copies linked to each other both ways and to nothing of the source.
#include "command_text.h"
#include "stiff_arrow_fixture.h"

namespace {

class StiffCopies : public StiffArrowTest {
protected:
    void SetUp() override
    {
        StiffArrowTest::SetUp();
        define("stcopy", TrevanComARX_StiffCopyLispFunc);
        define("copystiff", TrevanComARX_CopyStiff);
    }
    static std::string link(ZcDbObjectId id, const char* app)
    {
        CString value;
        return TrevanComARX_GetXdataStr(id, app, value) == 1 ? std::string(value) : "-";
    }
    ZcDbObjectId linked(ZcDbObjectId id, const char* app) { return TrevanComARX_GetObjid(link(id, app).c_str()); }
    static ZcGePoint3d position(ZcDbObjectId mark)
    {
        ZcDbObjectPointer<ZcDbBlockReference> r(mark, ZcDb::kForRead);
        return r->position();
    }
    // The new entity named by the last LISP value "<Entity name: ...>" gives no handle, so
    // the copy is found as the last entity of model space.
    ZcDbObjectId lastStiffener()
    {
        ZcDbObjectIdArray ids;
        EXPECT_TRUE(TrevanCom_GetAllStiffObjectIdArray(ids));
        return ids.isEmpty() ? ZcDbObjectId::kNull : ids.last();
    }
};

TEST_F(StiffCopies, ADisplacedCopyTakesCopiesOfTheMarksWhereTheyWereAndNoTexts)
{
    const ZcDbObjectId stiff = lineStiff(0, 0, 100, 0);
    const ZcDbObjectId s = mark(stiff, {0, 0, 0}, 'S');
    const ZcDbObjectId e = mark(stiff, {100, 0, 0}, 'E');
    ASSERT_EQ(TrevanComARX_SetXdataStr(stiff, "STIFF_STEXT_HDNAME", "ABC"), 1);
    ASSERT_EQ(TrevanComARX_SetXdataStr(stiff, "STIFF_NAMETEXT_HDNAME", "ABD"), 1);
    const std::string out = trimmed(call("(stcopy " + ename(stiff) + " '(0.0 0.0 0.0) '(10.0 200.0 0.0))"));
    EXPECT_EQ(out.rfind("<Entity name:", 0), 0u) << out;
    const ZcDbObjectId copy = lastStiffener();
    ASSERT_NE(copy, stiff);
    ZcGePoint3d a, b;
    ASSERT_TRUE(TrevanCom_GetCurveSEpt(copy, a, b));
    EXPECT_EQ(a, ZcGePoint3d(10, 200, 0));
    EXPECT_EQ(b, ZcGePoint3d(110, 200, 0));
    const ZcDbObjectId cs = linked(copy, "STIFF_SYMARK_HDNAME");
    const ZcDbObjectId ce = linked(copy, "STIFF_EYMARK_HDNAME");
    ASSERT_FALSE(cs.isNull());
    ASSERT_FALSE(ce.isNull());
    EXPECT_NE(cs, s);
    EXPECT_NE(ce, e);
    EXPECT_EQ(position(cs), ZcGePoint3d(0, 0, 0));
    EXPECT_EQ(position(ce), ZcGePoint3d(100, 0, 0));
    EXPECT_EQ(linked(cs, "STIFF_SupportDraw_YMarkS"), copy);
    EXPECT_EQ(linked(ce, "STIFF_SupportDraw_YMarkE"), copy);
    EXPECT_EQ(link(copy, "STIFF_STEXT_HDNAME"), "-");
    EXPECT_EQ(link(copy, "STIFF_NAMETEXT_HDNAME"), "-");
    // The source keeps its own.
    EXPECT_EQ(linked(stiff, "STIFF_SYMARK_HDNAME"), s);
    EXPECT_EQ(linked(s, "STIFF_SupportDraw_YMarkS"), stiff);
    EXPECT_EQ(link(stiff, "STIFF_STEXT_HDNAME"), "ABC");
    CStiffData record;
    EXPECT_TRUE(TrevanComARX_GetStiffdata(copy, record));
}

TEST_F(StiffCopies, ACopyWithoutMarksLinksNothing)
{
    const ZcDbObjectId stiff = dimStiff(0, 100, 0);
    const std::string out = trimmed(call("(stcopy " + ename(stiff) + " '(0.0 0.0 0.0) '(0.0 50.0 0.0))"));
    EXPECT_EQ(out.rfind("<Entity name:", 0), 0u) << out;
    const ZcDbObjectId copy = lastStiffener();
    ASSERT_NE(copy, stiff);
    {
        ZcDbObjectPointer<ZcDbAlignedDimension> d(copy, ZcDb::kForRead);
        EXPECT_EQ(d->xLine1Point(), ZcGePoint3d(0, 50, 0));
    }
    EXPECT_EQ(link(copy, "STIFF_SYMARK_HDNAME"), "-");
    EXPECT_EQ(link(copy, "STIFF_EYMARK_HDNAME"), "-");
    EXPECT_EQ(trimmed(call("(stcopy " + ename(stiff) + " '(0.0 0.0 0.0))")), "引数エラー\nnil");
}

TEST_F(StiffCopies, ACopyOnNewEndsRelinksItsMarksAndPutsTheLayersBack)
{
    TrevanComARX_MakeLayer("HULL", 3, "CONTINUOUS", -3, "", db.get());
    const ZcDbObjectId stiff = lineStiff(0, 0, 100, 0);
    const ZcDbObjectId s = mark(stiff, {0, 0, 0}, 'S');
    const ZcDbObjectId e = mark(stiff, {100, 0, 0}, 'E');
    for (ZcDbObjectId id : {stiff, s}) {
        ZcDbObjectPointer<ZcDbEntity> ent(id, ZcDb::kForWrite);
        ASSERT_EQ(ent->setLayer("HULL"), Zcad::eOk);
    }
    ASSERT_TRUE(TrevanCom_SetLayerInfo("HULL", true, true, true));
    EXPECT_EQ(trimmed(call("(copystiff " + ename(stiff) + " '(0.0 300.0 0.0) '(500.0 300.0 0.0))")), "T");
    const ZcDbObjectId copy = lastStiffener();
    ASSERT_NE(copy, stiff);
    ZcGePoint3d a, b;
    ASSERT_TRUE(TrevanCom_GetCurveSEpt(copy, a, b));
    EXPECT_EQ(a, ZcGePoint3d(0, 300, 0));
    EXPECT_EQ(b, ZcGePoint3d(500, 300, 0));
    const ZcDbObjectId cs = linked(copy, "STIFF_SYMARK_HDNAME");
    const ZcDbObjectId ce = linked(copy, "STIFF_EYMARK_HDNAME");
    ASSERT_FALSE(cs.isNull());
    ASSERT_FALSE(ce.isNull());
    EXPECT_NE(cs, s);
    EXPECT_NE(ce, e);
    EXPECT_EQ(position(ce), ZcGePoint3d(100, 0, 0));
    EXPECT_EQ(linked(cs, "STIFF_SupportDraw_YMarkS"), copy);
    EXPECT_EQ(linked(ce, "STIFF_SupportDraw_YMarkE"), copy);
    EXPECT_EQ(link(ce, "STIFF_SupportDraw_YMarkS"), "-");
    bool frozen = false, locked = false, off = false;
    ASSERT_TRUE(TrevanCom_GetLayerInfo(CString("HULL"), frozen, locked, off));
    EXPECT_TRUE(frozen && locked && off);
}

TEST_F(StiffCopies, ACopyOnNewEndsMovesADimensionsExtensionLines)
{
    const ZcDbObjectId stiff = dimStiff(0, 100, 0);
    EXPECT_EQ(trimmed(call("(copystiff " + ename(stiff) + " '(10.0 10.0 0.0) '(90.0 10.0 0.0))")), "T");
    const ZcDbObjectId copy = lastStiffener();
    ASSERT_NE(copy, stiff);
    ZcDbObjectPointer<ZcDbAlignedDimension> d(copy, ZcDb::kForRead);
    EXPECT_EQ(d->xLine1Point(), ZcGePoint3d(10, 10, 0));
    EXPECT_EQ(d->xLine2Point(), ZcGePoint3d(90, 10, 0));
}

TEST_F(StiffCopies, OnlyAStiffenerIsCopiedOnNewEnds)
{
    const ZcDbObjectId bare = addToModelSpace(new ZcDbLine({0, 0, 0}, {10, 0, 0}));
    EXPECT_EQ(trimmed(call("(copystiff " + ename(bare) + " '(0.0 0.0 0.0) '(5.0 0.0 0.0))")), "引数エラー\nnil");
    EXPECT_EQ(trimmed(call("(copystiff " + ename(bare) + " \"A\")")), "引数エラー\nnil");
    ZcDbObjectIdArray ids;
    TrevanCom_GetAllStiffObjectIdArray(ids);
    EXPECT_TRUE(ids.isEmpty());
}

}  // namespace
