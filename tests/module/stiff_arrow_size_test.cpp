// Arrow sizes of stiffeners: the command sizing every dimension-type stiffener, Y mark and
// "STIFF" style for the shortest stiffener, and the LISP form sizing one stiffener.
#include "command_text.h"
#include "stiff_arrow_fixture.h"

namespace {

class StiffArrowSize : public StiffArrowTest {
protected:
    void SetUp() override
    {
        StiffArrowTest::SetUp();
        define("asz", TrevanComARX_SetSitiffAszLispFunc);
    }
    std::string asz(ZcDbObjectId id) { return trimmed(call("(asz " + ename(id) + ")")); }
};

TEST_F(StiffArrowSize, TheShortestStiffenerOverFiftySizesStylesDimensionsAndMarks)
{
    style("ISO-25", 2.5, 3.5);
    const ZcDbObjectId longLine = lineStiff(0, 0, 1000, 0);
    const ZcDbObjectId longer = lineStiff(0, 500, 2500, 500);
    const ZcDbObjectId dim = dimStiff(0, 600, 1000);
    {
        ZcDbObjectPointer<ZcDbDimension> d(dim, ZcDb::kForWrite);
        ASSERT_EQ(d->setDimscale(2.0), Zcad::eOk);
    }
    const ZcDbObjectId s = mark(longLine, {0, 0, 0}, 'S');
    const ZcDbObjectId e = mark(longer, {2500, 500, 0}, 'E');
    addToModelSpace(new ZcDbLine({0, 0, 0}, {1, 0, 0}));  // no stiffener: not counted

    TrevanCom_SetSitiffAsz();

    EXPECT_DOUBLE_EQ(arrowSize(dim), 6.0);
    EXPECT_DOUBLE_EQ(markScale(s), 12.0);
    EXPECT_DOUBLE_EQ(markScale(e), 12.0);
    for (const char* name : {"STIFF1", "STIFF2", "STIFF3"}) EXPECT_DOUBLE_EQ(styleArrow(name), 12.0) << name;
    // A made style starts as a copy of "ISO-25".
    ZcDbObjectPointer<ZcDbDimStyleTable> table(db->dimStyleTableId(), ZcDb::kForRead);
    ZcDbDimStyleTableRecord* rec = nullptr;
    ASSERT_EQ(table->getAt("STIFF2", rec, ZcDb::kForRead), Zcad::eOk);
    EXPECT_DOUBLE_EQ(rec->dimtxt(), 3.5);
    rec->close();
    // Not current: the drawing's own arrow size is left alone.
    EXPECT_DOUBLE_EQ(sysReal("DIMASZ"), 2.5);
}

TEST_F(StiffArrowSize, ACurrentStyleChangesTheDrawingsArrowSizeToo)
{
    const ZcDbObjectId current = style("STIFF2", 1.0);
    ASSERT_EQ(db->setDimstyle(current), Zcad::eOk);
    lineStiff(0, 0, 300, 400);
    transcript();
    zcutPrintf(">");
    TrevanCom_SetSitiffAsz();
    EXPECT_DOUBLE_EQ(styleArrow("STIFF2"), 10.0);
    EXPECT_DOUBLE_EQ(sysReal("DIMASZ"), 10.0);
    // Neither "STIFF1" nor "ISO-25" exists: the others cannot be made.
    EXPECT_EQ(styleArrow("STIFF1"), -1.0);
    const std::string out = transcript();
    EXPECT_EQ(out, ">\n寸法スタイル更新失敗\n寸法スタイル更新失敗") << out;
}

TEST_F(StiffArrowSize, ADrawingWithoutReadableStiffenersIsLeftAlone)
{
    style("ISO-25", 2.5);
    const ZcDbObjectId dim = addToModelSpace(new ZcDbAlignedDimension({0, 0, 0}, {100, 0, 0}, {0, 50, 0}));
    TrevanCom_SetSitiffAsz();
    EXPECT_EQ(styleArrow("STIFF1"), -1.0);
    EXPECT_DOUBLE_EQ(arrowSize(dim), 2.5);
}

TEST_F(StiffArrowSize, AShortCurveStiffenerTakesATenthOfItsLength)
{
    style("STIFF1", 10.0);
    const ZcDbObjectId curve = record(addToModelSpace(new ZcDbArc({15, 0, 0}, 15, 0, 3.14159265358979)), {30, 0, 0},
                                      {0, 0, 0});
    const ZcDbObjectId s = mark(curve, {30, 0, 0}, 'S');
    const ZcDbObjectId e = mark(curve, {0, 0, 0}, 'E');
    EXPECT_EQ(asz(curve), "T");
    EXPECT_NEAR(markScale(s), 3.0, 1e-9);
    EXPECT_NEAR(markScale(e), 3.0, 1e-9);
    // Forty long is four arrows: the base size stays.
    const ZcDbObjectId line = lineStiff(0, 0, 40, 0);
    const ZcDbObjectId m = mark(line, {0, 0, 0}, 'S');
    EXPECT_EQ(asz(line), "T");
    EXPECT_DOUBLE_EQ(markScale(m), 10.0);
}

TEST_F(StiffArrowSize, WithoutStyleStiff1TheDrawingsArrowSizeIsTheBase)
{
    const ZcDbObjectId line = lineStiff(0, 0, 1000, 0);
    const ZcDbObjectId m = mark(line, {1000, 0, 0}, 'E');
    EXPECT_EQ(asz(line), "T");
    EXPECT_DOUBLE_EQ(markScale(m), 2.5);
}

TEST_F(StiffArrowSize, ADimensionStiffenerStartsFromItsOwnStyleAndItsScale)
{
    style("STIFF1", 10.0);
    const ZcDbObjectId own = style("OWN", 4.0);
    const ZcDbObjectId dim = dimStiff(0, 600, 0, own);
    {
        ZcDbObjectPointer<ZcDbDimension> d(dim, ZcDb::kForWrite);
        ASSERT_EQ(d->setDimscale(2.0), Zcad::eOk);
    }
    EXPECT_EQ(asz(dim), "T");
    EXPECT_DOUBLE_EQ(arrowSize(dim), 2.0);
    const ZcDbObjectId shortDim = dimStiff(0, 12, 100, own);
    EXPECT_EQ(asz(shortDim), "T");
    EXPECT_NEAR(arrowSize(shortDim), 1.2, 1e-12);
}

TEST_F(StiffArrowSize, NoLengthOrNoCurveIsAnArgumentError)
{
    const ZcDbObjectId point = lineStiff(50, 50, 50, 50);
    const ZcDbObjectId m = mark(point, {50, 50, 0}, 'S');
    EXPECT_EQ(asz(point), "引数エラー\nnil");
    EXPECT_DOUBLE_EQ(markScale(m), 1.0);
    const ZcDbObjectId text = addToModelSpace(new ZcDbText({0, 0, 0}, "A", ZcDbObjectId::kNull, 10, 0));
    EXPECT_EQ(asz(text), "引数エラー\nnil");
    EXPECT_EQ(trimmed(call("(asz)")), "引数エラー\nnil");
    EXPECT_EQ(trimmed(call("(asz 1.0)")), "引数エラー\nnil");
}

}  // namespace
