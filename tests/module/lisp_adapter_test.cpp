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
        {
            ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
            drawnWith = e->linetypeId();
        }
        ZcDbObjectPointer<ZcDbLinetypeTable> table(db->linetypeTableId(), ZcDb::kForWrite);
        auto* record = new ZcDbLinetypeTableRecord;
        record->setName("HIDDEN");
        ASSERT_EQ(table->add(hidden, record), Zcad::eOk);
        record->close();
    }
    // Each call's printed text and value; then the line's scale and line type.
    void expectCalls(const std::vector<std::pair<std::string, std::string>>& calls, double scale, ZcDbObjectId linetype)
    {
        for (const auto& [expression, answer] : calls) EXPECT_EQ(call(expression), answer) << expression;
        ZcDbObjectPointer<ZcDbEntity> e(line, ZcDb::kForRead);
        EXPECT_EQ(e->linetypeScale(), scale);
        EXPECT_EQ(e->linetypeId(), linetype);
    }
    ZcDbObjectId line, drawnWith, hidden;
};

TEST_F(LispAdapter, BadArgumentsGiveTheMessageOfTheFunctionsKindAndChangeNothing)
{
    const std::string l = ename(line);
    expectCalls({
        // No argument at all: the unnumbered message whatever the kind.
        {"(probe)", "\n引数エラー\nnil\n"},
        {"(setltscale)", "\n引数エラー\nnil\n"},
        {"(setlinetype)", "\n引数エラー\nnil\n"},
        // Numbered: the place of the item that failed; an integer is no real, a
        // two-dimensional point not the three-dimensional one asked for.
        {"(probe \"2.5\" '(1.0 2.0 3.0))", "\n引数エラー1\nnil\n"},
        {"(probe 2 '(1.0 2.0 3.0))", "\n引数エラー1\nnil\n"},
        {"(probe 2.5 '(1.0 2.0))", "\n引数エラー2\nnil\n"},
        {"(probe 2.5)", "\n引数エラー2\nnil\n"},
        // Unnumbered whichever argument failed.
        {"(setltscale \"LINE\" 2.0)", "\n引数エラー\nnil\n"},
        {"(setltscale " + l + " \"2.0\")", "\n引数エラー\nnil\n"},
        // Silent.
        {"(setlinetype " + l + " 1)", "\nnil\n"},
        {"(setlinetype 1 \"Continuous\")", "\nnil\n"},
        // Values the entity refuses: nil without a message.
        {"(setltscale " + l + " 0)", "\nnil\n"},
        {"(setltscale " + l + " -2.0)", "\nnil\n"},
        {"(setlinetype " + l + " \"DASHDOT\")", "\nnil\n"},
        {"(dimstyleset)", "\nnil\n"},
        {"(dimstyleset \"STD\" 1)", "\nnil\n"},
    }, 1.0, drawnWith);
}

TEST_F(LispAdapter, GoodArgumentsAreReadInOrderAndExtraTrailingOnesIgnored)
{
    const std::string l = ename(line);
    expectCalls({
        {"(probe 2.5 '(1.0 2.0 3.0))", "\n(2.5 (1.0 2.0 3.0))\n"},
        {"(probe 2.5 '(1.0 2.0 3.0) \"more\" 4)", "\n(2.5 (1.0 2.0 3.0))\n"},
        // The line type scale takes an integer too.
        {"(setltscale " + l + " 3)", "\nT\n"},
        {"(setltscale " + l + " 0.25 \"more\")", "\nT\n"},
        // The line type must be in the drawing, by any case of its name.
        {"(setlinetype " + l + " \"hidden\")", "\nT\n"},
    }, 0.25, hidden);
}

}  // namespace
