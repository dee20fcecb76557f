// Curves at different elevations crossed in plan: the point at Z = 0 for each pair of kinds
// and each extension mode, the curves left bit for bit as they were, and the LISP form.
#include <cmath>
#include <cstring>
#include <vector>

#include "TrevanCom2002.h"
#include "lisp_call_fixture.h"

namespace {

void put(std::vector<double>& out, const ZcGePoint3d& p)
{
    out.insert(out.end(), {p.x, p.y, p.z});
}

// Every number that places the curve, with its fit data for a spline.
std::vector<double> geometryOf(ZcDbObjectId id)
{
    std::vector<double> out;
    ZcDbObjectPointer<ZcDbCurve> c(id, ZcDb::kForRead);
    EXPECT_EQ(c.openStatus(), Zcad::eOk);
    if (auto* l = ZcDbLine::cast(c.object())) {
        put(out, l->startPoint());
        put(out, l->endPoint());
    } else if (auto* a = ZcDbArc::cast(c.object())) {
        put(out, a->center());
        out.insert(out.end(), {a->radius(), a->startAngle(), a->endAngle()});
    } else if (auto* ci = ZcDbCircle::cast(c.object())) {
        put(out, ci->center());
        out.push_back(ci->radius());
    } else if (auto* p = ZcDbPolyline::cast(c.object())) {
        out.push_back(p->elevation());
        for (unsigned int i = 0; i < p->numVerts(); ++i) {
            ZcGePoint2d v;
            double bulge = 0.0;
            p->getPointAt(i, v);
            p->getBulgeAt(i, bulge);
            out.insert(out.end(), {v.x, v.y, bulge});
        }
    } else if (auto* s = ZcDbSpline::cast(c.object())) {
        int degree = 0;
        bool rational = false, closed = false, periodic = false;
        ZcGePoint3dArray points;
        ZcGeDoubleArray knots, weights;
        double pointTol = 0.0, knotTol = 0.0;
        s->getNurbsData(degree, rational, closed, periodic, points, knots, weights, pointTol, knotTol);
        for (const auto& q : points) put(out, q);
        for (double k : knots) out.push_back(k);
        for (int i = 0; i < s->numFitPoints(); ++i) {
            ZcGePoint3d q;
            s->getFitPointAt(i, q);
            put(out, q);
        }
    }
    return out;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b)
{
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0);
}

class PlanIntersect : public LispCallTest {
protected:
    void SetUp() override
    {
        LispCallTest::SetUp();
        define("anotherz", TrevanComARX_get_ipt_anotherz_curve);
    }
    ZcDbObjectId line(ZcGePoint3d a, ZcGePoint3d b) { return addToModelSpace(new ZcDbLine(a, b)); }
    ZcDbObjectId polyline(std::initializer_list<ZcGePoint2d> points, double elevation)
    {
        auto* p = new ZcDbPolyline;
        for (const auto& q : points) p->addVertexAt(p->numVerts(), q);
        p->setElevation(elevation);
        return addToModelSpace(p);
    }
    ZcDbObjectId spline(std::initializer_list<ZcGePoint3d> fit)
    {
        ZcGePoint3dArray points;
        for (const auto& q : fit) points.append(q);
        return addToModelSpace(new ZcDbSpline(points));
    }
    // The plan point, or nothing; the two curves checked unchanged to the bit.
    std::vector<ZcGePoint3d> meet(ZcDbObjectId a, ZcDbObjectId b, int mode)
    {
        std::vector<double> beforeA = geometryOf(a), beforeB = geometryOf(b);
        ZcGePoint3d p;
        bool found = TrevanCom_PlanIntersect(a, b, mode, p);
        EXPECT_TRUE(sameBits(geometryOf(a), beforeA));
        EXPECT_TRUE(sameBits(geometryOf(b), beforeB));
        if (!found) return {};
        return {p};
    }
    void expectPoint(const std::vector<ZcGePoint3d>& found, double x, double y)
    {
        ASSERT_EQ(found.size(), 1u);
        EXPECT_NEAR(found[0].x, x, 1e-6);
        EXPECT_NEAR(found[0].y, y, 1e-6);
        EXPECT_EQ(found[0].z, 0.0);
    }
};

TEST_F(PlanIntersect, LinesAtTwoElevationsMeetWhereTheyCrossInPlan)
{
    ZcDbObjectId a = line({0, 0, 50}, {100, 100, 50}), b = line({0, 100, 100}, {100, 0, 100});
    expectPoint(meet(a, b, 0), 50, 50);
    expectPoint(meet(b, a, 0), 50, 50);
}

TEST_F(PlanIntersect, ParallelLinesNeverMeet)
{
    ZcDbObjectId a = line({0, 0, 10}, {100, 0, 10}), b = line({0, 20, 90}, {100, 20, 90});
    for (int mode : {0, 1, 2, 3}) EXPECT_TRUE(meet(a, b, mode).empty()) << mode;
    // Parallel in plan although not in space.
    EXPECT_TRUE(meet(a, line({0, 20, 0}, {100, 20, 300}), 3).empty());
}

TEST_F(PlanIntersect, EachExtensionModeExtendsItsOwnCurves)
{
    ZcDbObjectId shortA = line({0, 0, 10}, {10, 0, 10});
    ZcDbObjectId reachedByA = line({20, -10, 40}, {20, 10, 40});
    ZcDbObjectId awayFromBoth = line({20, -10, 40}, {20, -5, 40});
    ZcDbObjectId longA = line({0, 0, 10}, {30, 0, 10});
    ZcDbObjectId reachingA = line({20, 5, 70}, {20, 10, 70});
    struct Case {
        ZcDbObjectId a, b;
        int mode;
        bool meets;
    };
    const Case cases[] = {
        {shortA, reachedByA, 0, false},   {shortA, reachedByA, 1, true},   {shortA, reachedByA, 2, false},
        {shortA, reachedByA, 3, true},    {shortA, reachedByA, 7, false},  {longA, reachingA, 0, false},
        {longA, reachingA, 1, false},     {longA, reachingA, 2, true},     {longA, reachingA, 3, true},
        {shortA, awayFromBoth, 1, false}, {shortA, awayFromBoth, 2, false}, {shortA, awayFromBoth, 3, true},
    };
    for (const Case& c : cases) {
        std::vector<ZcGePoint3d> found = meet(c.a, c.b, c.mode);
        EXPECT_EQ(found.size(), c.meets ? 1u : 0u) << c.mode;
        if (c.meets && !found.empty()) expectPoint(found, 20, 0);
    }
}

TEST_F(PlanIntersect, LineAndArcMeetOnTheArcOnlyUnlessItIsExtended)
{
    // A semicircle at Z = 80 whose span reaches (86.6, 50) but not (-86.6, 50).
    ZcDbObjectId arc = addToModelSpace(new ZcDbArc({0, 0, 80}, 100, 0.5, 2.5));
    ZcDbObjectId l = line({-200, 50, 30}, {200, 50, 30});
    const double x = std::sqrt(100.0 * 100.0 - 50.0 * 50.0);
    expectPoint(meet(l, arc, 0), x, 50);
    expectPoint(meet(arc, l, 0), x, 50);
    // Extended to its circle the arc meets the line twice: only one point is given.
    std::vector<ZcGePoint3d> both = meet(l, arc, 2);
    ASSERT_EQ(both.size(), 1u);
    EXPECT_NEAR(std::fabs(both[0].x), x, 1e-6);
    // A circle at another elevation.
    ZcDbObjectId circle = addToModelSpace(new ZcDbCircle({0, 0, -40}, {0, 0, 1}, 100));
    ASSERT_EQ(meet(circle, l, 0).size(), 1u);
    EXPECT_TRUE(meet(circle, line({-200, 150, 0}, {200, 150, 0}), 3).empty());
}

TEST_F(PlanIntersect, SplineAndPolylineMeetInPlanWhateverTheirHeights)
{
    // A spline climbing in Z through a hump whose top lies on the polyline's plan.
    ZcDbObjectId s = spline({{0, 0, 200}, {50, 40, 250}, {100, 0, 300}});
    ZcDbObjectId p = polyline({{50, -10}, {50, 100}}, -30);
    expectPoint(meet(s, p, 0), 50, 40);
    expectPoint(meet(p, s, 0), 50, 40);
    // Splines and polylines with every other kind.
    expectPoint(meet(s, line({50, -10, 9}, {50, 100, 9}), 0), 50, 40);
    expectPoint(meet(p, line({0, 10, 5}, {100, 10, 5}), 0), 50, 10);
    expectPoint(meet(p, addToModelSpace(new ZcDbCircle({50, 0, 7}, {0, 0, 1}, 25)), 0), 50, 25);
    expectPoint(meet(s, spline({{50, -10, -5}, {50, 45, 0}, {50, 100, 5}}), 0), 50, 40);
}

TEST_F(PlanIntersect, OtherKindsGiveNothing)
{
    ZcDbObjectId l = line({0, 0, 0}, {100, 0, 0});
    auto* ray = new ZcDbRay;
    ray->setBasePoint({50, -50, 0});
    ray->setSecondPoint({50, 50, 0});
    ZcDbObjectId r = addToModelSpace(ray);
    auto* xline = new ZcDbXline;
    xline->setBasePoint({50, -50, 0});
    xline->setSecondPoint({50, 50, 0});
    ZcDbObjectId x = addToModelSpace(xline);
    for (ZcDbObjectId other : {r, x}) {
        EXPECT_TRUE(meet(l, other, 3).empty());
        EXPECT_TRUE(meet(other, l, 3).empty());
    }
}

TEST_F(PlanIntersect, LispFormGivesOnePointOrNilAndTheSessionGoesOn)
{
    ZcDbObjectId a = line({0, 0, 50}, {100, 100, 50}), b = line({0, 100, 100}, {100, 0, 100});
    ZcDbObjectId gone = line({0, 50, 0}, {100, 50, 0});
    const std::string ea = ename(a), eb = ename(b);
    EXPECT_EQ(call("(anotherz " + ea + " " + eb + " 0)"), "\n((50.0 50.0 0.0))\n");
    EXPECT_EQ(call("(anotherz " + ea + " " + eb + " 3 \"more\")"), "\n((50.0 50.0 0.0))\n");
    call("(setq gone " + ename(gone) + ")");
    call("(entdel gone)");
    EXPECT_EQ(call("(anotherz)"), "\n引数エラー\nnil\n");
    const std::vector<std::string> bad = {ea, ea + " " + eb, ea + " " + eb + " 1.0", ea + " \"B\" 0", "1 2 3",
                                          "gone " + eb + " 0", ea + " gone 0"};
    for (const std::string& args : bad)
        EXPECT_EQ(call("(anotherz " + args + ")"), "\nnil\n") << args;
    EXPECT_EQ(call("(+ 1 2)"), "\n3\n");
}

}  // namespace
