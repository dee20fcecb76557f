// Curves replaced by polylines with evenly spaced vertices: by spacing and by number of
// parts, measured along the true length, the curve's appearance kept, the LISP forms'
// refusals; and the points that define a polyline or spline.
#include <cmath>
#include <vector>

#include "TrevanCom2002.h"
#include "lisp_call_fixture.h"

namespace {

class CurveToPolyline : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        define("spldist", TrevanComARX_SplToPolyDist);
        define("spldiv", TrevanComARX_SplToPolyDiv);
        define("plinelist", TrevanComARX_qor_plinelistLispFunc);
        ZcDbObjectPointer<ZcDbLayerTable> layers(db->layerTableId(), ZcDb::kForWrite);
        auto* layer = new ZcDbLayerTableRecord;
        layer->setName("FRAME");
        ASSERT_EQ(layers->add(frameLayer, layer), Zcad::eOk);
        layer->close();
    }
    ZcDbSpline* hullCurve()
    {
        ZcGePoint3dArray fit;
        for (const ZcGePoint3d& p : {ZcGePoint3d(0, 0, 0), ZcGePoint3d(800, 150, 0), ZcGePoint3d(1500, 700, 0),
                                     ZcGePoint3d(1800, 1600, 0)})
            fit.append(p);
        return new ZcDbSpline(fit);
    }
    // The vertices of the newest entity, which must be a polyline.
    std::vector<ZcGePoint3d> lastPolyline()
    {
        ads_name last;
        EXPECT_EQ(zcdbEntLast(last), RTNORM);
        ZcDbObjectId id;
        EXPECT_EQ(zcdbGetObjectId(id, last), Zcad::eOk);
        ZcDbObjectPointer<ZcDbPolyline> p(id, ZcDb::kForRead);
        std::vector<ZcGePoint3d> out;
        if (p.openStatus() != Zcad::eOk) return out;
        for (unsigned i = 0; i < p->numVerts(); ++i) {
            ZcGePoint3d v;
            p->getPointAt(i, v);
            out.push_back(v);
        }
        return out;
    }
    bool erased(ZcDbObjectId id)
    {
        ZcDbObjectPointer<ZcDbEntity> e(id, ZcDb::kForRead);
        return e.openStatus() != Zcad::eOk;
    }
    // Distances along a copy of the replaced curve between consecutive vertices.
    std::vector<double> stepsAlong(const ZcDbCurve& curve, const std::vector<ZcGePoint3d>& vertices)
    {
        std::vector<double> steps;
        double before = 0.0;
        for (const ZcGePoint3d& v : vertices) {
            double d = 0.0;
            EXPECT_EQ(curve.getDistAtPoint(v, d), Zcad::eOk);
            steps.push_back(d - before);
            before = d;
        }
        steps.erase(steps.begin());
        return steps;
    }
    ZcDbObjectId frameLayer;
};

TEST_F(CurveToPolyline, ByDistanceAddsTheEndAfterTheLastFullStep)
{
    auto* l = new ZcDbLine({0, 0, 0}, {100, 0, 0});
    l->setColorIndex(3);
    l->setLayer(frameLayer);
    ZcDbObjectId line = addToModelSpace(l);
    EXPECT_EQ(call("(spldist " + ename(line) + " 30.0)"), "\nnil\n");
    std::vector<ZcGePoint3d> v = lastPolyline();
    ASSERT_EQ(v.size(), 5u);
    const double xs[] = {0, 30, 60, 90, 100};
    for (size_t i = 0; i < v.size(); ++i) EXPECT_EQ(v[i], ZcGePoint3d(xs[i], 0, 0)) << i;
    EXPECT_TRUE(erased(line));
    ads_name last;
    zcdbEntLast(last);
    ZcDbObjectId id;
    zcdbGetObjectId(id, last);
    ZcDbObjectPointer<ZcDbEntity> p(id, ZcDb::kForRead);
    EXPECT_EQ(p->colorIndex(), 3);
    EXPECT_EQ(p->layerId(), frameLayer);
}

TEST_F(CurveToPolyline, SplineBySpacingStepsTheTrueLength)
{
    ZcDbSpline* copy = hullCurve();
    ZcDbObjectId s = addToModelSpace(hullCurve());
    EXPECT_EQ(call("(spldist " + ename(s) + " 125.0)"), "\nnil\n");
    std::vector<ZcGePoint3d> v = lastPolyline();
    double end = 0.0, length = 0.0;
    copy->getEndParam(end);
    copy->getDistAtParam(end, length);
    ASSERT_EQ(v.size(), static_cast<size_t>(std::ceil(length / 125.0)) + 1);
    std::vector<double> steps = stepsAlong(*copy, v);
    for (size_t i = 0; i + 1 < steps.size(); ++i) EXPECT_NEAR(steps[i], 125.0, 1e-6) << i;
    EXPECT_GT(steps.back(), 0.0);
    EXPECT_LE(steps.back(), 125.0 + 1e-6);
    EXPECT_EQ(v.back(), ZcGePoint3d(1800, 1600, 0));
    EXPECT_TRUE(erased(s));
    delete copy;
}

TEST_F(CurveToPolyline, SplineByPartsEndsOnTheCurveEnd)
{
    ZcDbSpline* copy = hullCurve();
    ZcDbObjectId s = addToModelSpace(hullCurve());
    EXPECT_EQ(call("(spldiv " + ename(s) + " 7)"), "\nnil\n");
    std::vector<ZcGePoint3d> v = lastPolyline();
    double end = 0.0, length = 0.0;
    copy->getEndParam(end);
    copy->getDistAtParam(end, length);
    // Repeated addition may leave a vertex just short of the end.
    ASSERT_GE(v.size(), 8u);
    ASSERT_LE(v.size(), 9u);
    std::vector<double> steps = stepsAlong(*copy, v);
    for (size_t i = 0; i < 6; ++i) EXPECT_NEAR(steps[i], length / 7, 1e-6) << i;
    EXPECT_TRUE(v.back().isEqualTo(ZcGePoint3d(1800, 1600, 0)));
    delete copy;
    // An arc in two parts: start, middle, end.
    ZcDbObjectId arc = addToModelSpace(new ZcDbArc({0, 0, 0}, 100, 0, 3.141592653589793));
    EXPECT_EQ(call("(spldiv " + ename(arc) + " 2)"), "\nnil\n");
    v = lastPolyline();
    ASSERT_EQ(v.size(), 3u);
    EXPECT_NEAR(v[1].x, 0.0, 1e-9);
    EXPECT_NEAR(v[1].y, 100.0, 1e-9);
}

TEST_F(CurveToPolyline, RefusalsLeaveTheCurveAndTheSessionGoesOn)
{
    ZcDbObjectId line = addLine(0, 0, 100, 0);
    ZcDbObjectId gone = addLine(0, 10, 100, 10);
    const std::string l = ename(line);
    call("(setq gone " + ename(gone) + ")");
    call("(entdel gone)");
    const std::vector<std::pair<std::string, std::string>> calls = {
        {"(spldist " + l + " 100.0)", "\n引数エラー 引数の長さが長すぎます!\nnil\n"},
        {"(spldist)", "\n引数エラー\nnil\n"},
        {"(spldist " + l + " 30)", "\n引数エラー\nnil\n"},
        {"(spldist \"L\" 30.0)", "\n引数エラー\nnil\n"},
        {"(spldist gone 30.0)", "\nnil\n"},
        {"(spldiv)", "\n引数エラー\nnil\n"},
        {"(spldiv 1 2)", "\n引数エラー1\nnil\n"},
        {"(spldiv " + l + " 2.0)", "\n引数エラー2\nnil\n"},
        {"(spldiv " + l + " 1)", "\n引数エラー 分割数は２以上にして下さい!\nnil\n"},
        {"(spldiv gone 4)", "\nnil\n"},
        {"(+ 1 2)", "\n3\n"},
    };
    for (const auto& [expression, answer] : calls) EXPECT_EQ(call(expression), answer) << expression;
    EXPECT_FALSE(erased(line));
    ads_name last;
    zcdbEntLast(last);
    ZcDbObjectId id;
    zcdbGetObjectId(id, last);
    EXPECT_EQ(id, line);
}

TEST_F(CurveToPolyline, PointListGivesVerticesOrControlPointsInOrder)
{
    auto* p = new ZcDbPolyline;
    p->addVertexAt(0, ZcGePoint2d(0, 0), 0.5);
    p->addVertexAt(1, ZcGePoint2d(30, 0));
    p->addVertexAt(2, ZcGePoint2d(30, 40));
    p->setElevation(12.5);
    ZcDbObjectId pl = addToModelSpace(p);
    EXPECT_EQ(call("(plinelist " + ename(pl) + ")"), "\n((0.0 0.0 12.5) (30.0 0.0 12.5) (30.0 40.0 12.5))\n");
    ZcGePoint3dArray control;
    for (const ZcGePoint3d& q : {ZcGePoint3d(0, 0, 0), ZcGePoint3d(10, 20, 0), ZcGePoint3d(30, 20, 5),
                                 ZcGePoint3d(40, 0, 0)})
        control.append(q);
    ZcGeDoubleArray knots, weights;
    for (double k : {0.0, 0.0, 0.0, 0.0, 1.0, 1.0, 1.0, 1.0}) knots.append(k);
    ZcDbObjectId s = addToModelSpace(new ZcDbSpline(3, false, false, false, control, knots, weights));
    EXPECT_EQ(call("(plinelist " + ename(s) + ")"),
              "\n((0.0 0.0 0.0) (10.0 20.0 0.0) (30.0 20.0 5.0) (40.0 0.0 0.0))\n");
    EXPECT_EQ(call("(plinelist " + ename(addLine(0, 0, 1, 1)) + ")"), "\nnil\n");
    EXPECT_EQ(call("(plinelist " + ename(addToModelSpace(new ZcDbPolyline)) + ")"), "\nnil\n");
    EXPECT_EQ(call("(plinelist)"), "\n引数エラー\nnil\n");
    EXPECT_EQ(call("(plinelist \"P\")"), "\n引数エラー\nnil\n");
}

}  // namespace
