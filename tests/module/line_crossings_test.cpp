// A line across curves from LISP: the crossing point of each curve nearest the first point,
// ordered from it, entities that are no curves refused one by one.
#include <string>
#include <vector>

#include "TrevanCom2002.h"
#include "lisp_call_fixture.h"

namespace {

class LineCrossings : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        define("crossings", TrevanComARX_sss_v2_func02);
    }
    // A LISP expression for a selection set of the entities, in order.
    std::string setOf(const std::vector<ZcDbObjectId>& ids)
    {
        std::string e = "(progn (setq ss (ssadd))";
        for (ZcDbObjectId id : ids) e += " (ssadd " + ename(id) + " ss)";
        return e + " ss)";
    }
};

TEST_F(LineCrossings, NearestCrossingOfEachCurveOrderedFromTheFirstPoint)
{
    ZcDbObjectId far = addLine(70, -5, 70, 5);
    ZcDbObjectId mid = addLine(30, -5, 30, 5);
    ZcDbObjectId near = addLine(10, -5, 10, 5);
    ZcDbObjectId circle = addToModelSpace(new ZcDbCircle({50, 0, 0}, {0, 0, 1}, 5));
    ZcDbObjectId missed = addLine(0, 10, 100, 10);
    // Beyond the second point the line is extended.
    EXPECT_EQ(call("(crossings '(0.0 0.0 0.0) '(50.0 0.0 0.0) " + setOf({far, mid, circle, missed, near}) + ")"),
              "\n((10.0 0.0 0.0) (30.0 0.0 0.0) (45.0 0.0 0.0) (70.0 0.0 0.0))\n");
    // From the other end.
    EXPECT_EQ(call("(crossings '(100.0 0.0 0.0) '(60.0 0.0 0.0) " + setOf({near, circle}) + ")"),
              "\n((55.0 0.0 0.0) (10.0 0.0 0.0))\n");
}

TEST_F(LineCrossings, NoCurvesOrBadArgumentsGiveNil)
{
    ZcDbObjectId text = addToModelSpace(new ZcDbText({5, 0, 0}, "FR10", ZcDbObjectId::kNull, 2.5, 0.0));
    ZcDbObjectId line = addLine(20, -5, 20, 5);
    EXPECT_EQ(call("(crossings '(0.0 0.0 0.0) '(50.0 0.0 0.0) " + setOf({text, line}) + ")"),
              "\n引数エラー\n((20.0 0.0 0.0))\n");
    EXPECT_EQ(call("(crossings '(0.0 0.0 0.0) '(0.0 50.0 0.0) " + setOf({line}) + ")"), "\nnil\n");
    for (const std::string& e : {std::string("(crossings)"), std::string("(crossings '(0.0 0.0 0.0) '(1.0 0.0 0.0))"),
                                 "(crossings '(0.0 0.0 0.0) '(1.0 0.0 0.0) " + ename(line) + ")",
                                 std::string("(crossings 1 2 3)")})
        EXPECT_EQ(call(e), "\n引数エラー\nnil\n") << e;
    EXPECT_EQ(call("(+ 1 2)"), "\n3\n");
}

TEST_F(LineCrossings, PickedLineSelectsPolylinesAndSplinesInCrossingOrder)
{
    define("crosspick", TrevanComARX_sss_v2_func01);
    auto* p = new ZcDbPolyline;
    p->addVertexAt(0, ZcGePoint2d(40, -5));
    p->addVertexAt(1, ZcGePoint2d(40, 5));
    ZcDbObjectId far = addToModelSpace(p);
    ZcGePoint3dArray fit;
    for (const ZcGePoint3d& q : {ZcGePoint3d(15, -5, 0), ZcGePoint3d(16, 0, 0), ZcGePoint3d(15, 5, 0)}) fit.append(q);
    ZcDbObjectId near = addToModelSpace(new ZcDbSpline(fit));
    addLine(25, -5, 25, 5);  // no polyline or spline
    answer({"0,0", "50,0"});
    std::string printed = call("(setq r (crosspick))");
    EXPECT_NE(printed.find("1点目を指示:"), std::string::npos);
    EXPECT_NE(printed.find("2点目を指示:"), std::string::npos);
    EXPECT_EQ(call("(list (car r) (cadr r) (sslength (caddr r)))"), "\n((0.0 0.0 0.0) (50.0 0.0 0.0) 2)\n");
    EXPECT_EQ(call("(ssname (caddr r) 0)"), call("(handent \"" + hex(near) + "\")"));
    EXPECT_EQ(call("(ssname (caddr r) 1)"), call("(handent \"" + hex(far) + "\")"));
    // Nothing crossed; no point given.
    answer({"0,100", "50,100"});
    EXPECT_NE(call("(crosspick)").find("\"FAIL\""), std::string::npos);
    answer({"0,0", ""});
    std::string cancelled = call("(crosspick)");
    EXPECT_EQ(cancelled.substr(cancelled.rfind('\n', cancelled.size() - 2)), "\nnil\n");
}

}  // namespace
