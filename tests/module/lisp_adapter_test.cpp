// The LISP-callable adapters: arguments read in order with the error message of each
// function's kind, extra arguments ignored, and the entity property adapters at work.
#include "TrevanCom2002.h"
#include "lisp_call_fixture.h"

namespace {

// Reads a real and a point and gives them back, numbering its argument errors.
int probe()
{
    TrevanLispArgs args(TrevanLispArgs::kNumbered);
    double r = 0.0;
    ZcGePoint3d p;
    if (!args.real(r) || !args.point(p)) return args.fail();
    ads_point pt = {p.x, p.y, p.z};
    return TrevanLispArgs::retList(zcutBuildList(RTREAL, r, RT3DPOINT, pt, 0));
}

class LispAdapter : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        define("probe", probe);
        define("setltscale", TrevanComARX_SetObjLtscaleLispFunc);
        define("setlinetype", TrevanComARX_SetObjLinetypeLispFunc);
        define("dimstyleset", TrevanComARX_DimstyleSet);
        line = addLine(0, 0, 100, 0);
    }
    double scale()
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
        return e->linetypeScale();
    }
    ZcDbObjectId linetype()
    {
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
        return e->linetypeId();
    }
    ZcDbObjectId addLinetype(const char* name)
    {
        ZcDbLinetypeTable* table = nullptr;
        EXPECT_EQ(db->getLinetypeTable(table, ZcDb::kForWrite), Zcad::eOk);
        auto* record = new ZcDbLinetypeTableRecord;
        record->setName(name);
        ZcDbObjectId id;
        EXPECT_EQ(table->add(id, record), Zcad::eOk);
        record->close();
        table->close();
        return id;
    }
    ZcDbObjectId line;
};

TEST_F(LispAdapter, ArgumentsAreReadInOrderAndGivenBack)
{
    EXPECT_EQ(call("(probe 2.5 '(1.0 2.0 3.0))"), "\n(2.5 (1.0 2.0 3.0))\n");
}

TEST_F(LispAdapter, NoArgumentAtAllGivesTheUnnumberedMessageWhateverTheKind)
{
    EXPECT_EQ(call("(probe)"), "\n引数エラー\nnil\n");
    EXPECT_EQ(call("(setltscale)"), "\n引数エラー\nnil\n");
    EXPECT_EQ(call("(setlinetype)"), "\n引数エラー\nnil\n");
}

TEST_F(LispAdapter, AWrongTypeStopsTheReadWithTheFunctionsMessage)
{
    // Numbered: the place of the item that failed.
    EXPECT_EQ(call("(probe \"2.5\" '(1.0 2.0 3.0))"), "\n引数エラー1\nnil\n");
    // A two-dimensional point is not the three-dimensional one asked for.
    EXPECT_EQ(call("(probe 2.5 '(1.0 2.0))"), "\n引数エラー2\nnil\n");
    EXPECT_EQ(call("(probe 2.5)"), "\n引数エラー2\nnil\n");
    // Unnumbered whichever argument failed.
    EXPECT_EQ(call("(setltscale \"LINE\" 2.0)"), "\n引数エラー\nnil\n");
    EXPECT_EQ(call("(setltscale " + ename(line) + " \"2.0\")"), "\n引数エラー\nnil\n");
    // Silent.
    EXPECT_EQ(call("(setlinetype " + ename(line) + " 1)"), "\nnil\n");
    EXPECT_EQ(call("(setlinetype 1 \"Continuous\")"), "\nnil\n");
    EXPECT_EQ(scale(), 1.0);
}

TEST_F(LispAdapter, AnIntegerIsNoRealExceptForTheLinetypeScale)
{
    EXPECT_EQ(call("(probe 2 '(1.0 2.0 3.0))"), "\n引数エラー1\nnil\n");
    EXPECT_EQ(call("(setltscale " + ename(line) + " 3)"), "\nT\n");
    EXPECT_EQ(scale(), 3.0);
    EXPECT_EQ(call("(setltscale " + ename(line) + " 0.25)"), "\nT\n");
    EXPECT_EQ(scale(), 0.25);
}

TEST_F(LispAdapter, ExtraTrailingArgumentsAreIgnored)
{
    EXPECT_EQ(call("(probe 2.5 '(1.0 2.0 3.0) \"more\" 4)"), "\n(2.5 (1.0 2.0 3.0))\n");
    EXPECT_EQ(call("(setltscale " + ename(line) + " 2.0 \"more\")"), "\nT\n");
    EXPECT_EQ(scale(), 2.0);
}

TEST_F(LispAdapter, AScaleTheEntityRefusesGivesNilWithoutMessage)
{
    EXPECT_EQ(call("(setltscale " + ename(line) + " 0)"), "\nnil\n");
    EXPECT_EQ(call("(setltscale " + ename(line) + " -2.0)"), "\nnil\n");
    EXPECT_EQ(scale(), 1.0);
}

TEST_F(LispAdapter, TheLinetypeMustBeInTheDrawing)
{
    ZcDbObjectId hidden = addLinetype("HIDDEN");
    EXPECT_EQ(call("(setlinetype " + ename(line) + " \"hidden\")"), "\nT\n");
    EXPECT_EQ(linetype(), hidden);
    EXPECT_EQ(call("(setlinetype " + ename(line) + " \"DASHDOT\")"), "\nnil\n");
    EXPECT_EQ(linetype(), hidden);
}

TEST_F(LispAdapter, DimstyleSetGivesNothingWhateverItIsGiven)
{
    EXPECT_EQ(call("(dimstyleset)"), "\nnil\n");
    EXPECT_EQ(call("(dimstyleset \"STD\" 1)"), "\nnil\n");
}

}  // namespace
