// Intersections with splines: known crossings, tangent contacts, the extension modes, and
// curves in different planes.
#include "geom_expect.h"
#include "spline_samples.h"

#include "geom/spline_convert.h"
#include "geom/spline_eval.h"
#include "geom/spline_intersect.h"
#include "geom/spline_project.h"
#include "geom/spline_transform.h"

#include <cmath>
#include <numbers>

using namespace zrx::geom;
using spline_samples::arch;
using spline_samples::sCurve;
using spline_samples::uCurve;

namespace {

const Curve xAxis = Line::segment({-1, 0, 0}, {5, 0, 0});

bool onSpline(const Nurbs& s, const ZcGePoint3d& p) { return closestFoot(s, p)->point.distanceTo(p) < 1e-9; }

TEST(SplineIntersect, LineCrossesAtKnownPointsIncludingTheEnds)
{
    const std::vector<ZcGePoint3d> expected = {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}};
    EXPECT_TRUE(samePoints(intersectWith(sCurve(), xAxis, Extend::None), expected));
    // Ordered along whichever curve comes first.
    const Curve backwards = Line::segment({5, 0, 0}, {-1, 0, 0});
    EXPECT_TRUE(samePoints(intersectWith(backwards, sCurve(), Extend::None), {{4, 0, 0}, {2, 0, 0}, {0, 0, 0}}));
    EXPECT_TRUE(intersectWith(sCurve(), Line::segment({-1, 3, 0}, {5, 3, 0}), Extend::None).empty());
}

TEST(SplineIntersect, TangentContactIsOnePoint)
{
    EXPECT_TRUE(samePoints(intersectWith(uCurve(), Line::segment({-3, 0, 0}, {3, 0, 0}), Extend::None), {{0, 0, 0}}));
    EXPECT_TRUE(samePoints(intersectWith(Line::infinite({7, 0, 0}, {1, 0, 0}), uCurve(), Extend::None), {{0, 0, 0}}));
    // A circle resting in the U's bottom touches it there only.
    const Curve ball = Arc::makeCircle({0, -0.25, 0}, 0.25, {0, 0, 1});
    EXPECT_TRUE(samePoints(intersectWith(uCurve(), ball, Extend::None), {{0, 0, 0}}));

    // The tangent at an ordinary point of the S touches there and crosses the S again.
    const Nurbs s = sCurve();
    const double u = s.startParam() + 0.4 * (s.endParam() - s.startParam());
    const ZcGePoint3d p = *pointAtParam(s, u);
    const auto pts = intersectWith(s, Line::infinite(p, *firstDeriv(s, u)), Extend::None);
    ASSERT_EQ(pts.size(), 2u);
    EXPECT_TRUE(near(pts[0], p, 1e-9));
    EXPECT_TRUE(onSpline(s, pts[1]));
}

TEST(SplineIntersect, TangentSplinesTouchOnceEvenAtASeam)
{
    ZcGeMatrix3d flip;
    flip(1, 1) = -0.5;   // a flatter U, upside down
    EXPECT_TRUE(samePoints(intersectWith(uCurve(), *transformed(uCurve(), flip), Extend::None), {{0, 0, 0}}));
    // Circles as splines, touching where the first one's seam is.
    const Nurbs left = *nurbsFromArc(Arc::makeCircle({1, 1, 0}, 2, {0, 0, 1}));
    const Nurbs right = *nurbsFromArc(Arc::makeCircle({5, 1, 0}, 2, {0, 0, 1}));
    EXPECT_TRUE(samePoints(intersectWith(left, right, Extend::None), {{3, 1, 0}}));
    // Lopsided: a small circle, as a spline, kissing the S where it bends.
    const Nurbs s = sCurve();
    for (double f : {0.13, 0.77}) {
        const double u = s.startParam() + f * (s.endParam() - s.startParam());
        const ZcGePoint3d p = *pointAtParam(s, u);
        const ZcGeVector3d side = firstDeriv(s, u)->normal().crossProduct({0, 0, 1});
        const Nurbs kiss = *nurbsFromArc(Arc::makeCircle(p + side * 0.3, 0.3, {0, 0, 1}));
        EXPECT_TRUE(samePoints(intersectWith(s, kiss, Extend::None), {p}));
        EXPECT_TRUE(samePoints(intersectWith(kiss, s, Extend::None), {p}));
    }
}

TEST(SplineIntersect, ArcBoundsAndCircleCrossings)
{
    // The circle round (2, 0) of radius 2 meets the S curve at its two ends only.
    const Arc circle = Arc::makeCircle({2, 0, 0}, 2, {0, 0, 1});
    EXPECT_TRUE(samePoints(intersectWith(sCurve(), circle, Extend::None), {{0, 0, 0}, {4, 0, 0}}));
    const Arc leftHalf = Arc::makeArc({2, 0, 0}, 2, {0, 0, 1}, std::numbers::pi / 2, 3 * std::numbers::pi / 2);
    EXPECT_TRUE(samePoints(intersectWith(sCurve(), leftHalf, Extend::None), {{0, 0, 0}}));
    EXPECT_TRUE(samePoints(intersectWith(sCurve(), leftHalf, Extend::Arg), {{0, 0, 0}, {4, 0, 0}}));

    // A smaller circle crosses each lobe once; the points lie on both and follow the spline.
    const Arc small = Arc::makeCircle({2, 0, 0}, 1, {0, 0, 1});
    const Nurbs s = sCurve();
    const auto pts = intersectWith(s, small, Extend::None);
    ASSERT_EQ(pts.size(), 2u);
    for (const ZcGePoint3d& p : pts) {
        EXPECT_NEAR(p.distanceTo({2, 0, 0}), 1.0, 1e-9);
        EXPECT_TRUE(onSpline(s, p));
    }
    EXPECT_LT(*paramAtPoint(s, pts[0]), *paramAtPoint(s, pts[1]));
    EXPECT_TRUE(near(pts[0] + (pts[1] - ZcGePoint3d(2, 0, 0)), {2, 0, 0}, 1e-9));  // symmetric pair
}

TEST(SplineIntersect, TwoSCurvesCrossWhereTheyMeetTheAxis)
{
    const std::vector<ZcGePoint3d> expected = {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}};
    EXPECT_TRUE(samePoints(intersectWith(sCurve(1), sCurve(-1), Extend::None), expected));
    const Nurbs back = reversed(sCurve(-1));
    EXPECT_TRUE(samePoints(intersectWith(back, sCurve(1), Extend::None), {{4, 0, 0}, {2, 0, 0}, {0, 0, 0}}));
    EXPECT_TRUE(intersectWith(sCurve(), sCurve(), Extend::None).empty());  // an overlap has no point
}

TEST(SplineIntersect, PolylinePiecesAreMetOneByOne)
{
    // Straight, a half circle below the axis round (2, 0), straight again.
    const Polyline path({{{-1, 0}, 0.0}, {{1, 0}, 1.0}, {{3, 0}, 0.0}, {{5, 0}, 0.0}}, false);
    const auto pts = intersectWith(sCurve(), path, Extend::None);
    ASSERT_EQ(pts.size(), 3u);
    EXPECT_TRUE(near(pts[0], {0, 0, 0}));
    EXPECT_NEAR(pts[1].distanceTo({2, 0, 0}), 1.0, 1e-9);
    EXPECT_LT(pts[1].y, 0.0);
    EXPECT_TRUE(near(pts[2], {4, 0, 0}));
}

TEST(SplineIntersect, ExtensionModesAddTheEndRays)
{
    const Nurbs a = arch();
    const Curve axis = Line::segment({-5, 0, 0}, {5, 0, 0});
    EXPECT_TRUE(intersectWith(a, axis, Extend::None).empty());
    EXPECT_TRUE(intersectWith(a, axis, Extend::Arg).empty());
    EXPECT_TRUE(samePoints(intersectWith(a, axis, Extend::This), {{-1, 0, 0}, {3, 0, 0}}));
    EXPECT_TRUE(samePoints(intersectWith(axis, a, Extend::Arg), {{-1, 0, 0}, {3, 0, 0}}));

    // Through the end: the spline and its ray both reach the point, which is one point.
    EXPECT_TRUE(samePoints(intersectWith(a, Line::segment({2, -5, 0}, {2, 5, 0}), Extend::This), {{2, 1, 0}}));

    const Curve right = Line::segment({2.5, 0, 0}, {5, 0, 0});
    EXPECT_TRUE(samePoints(intersectWith(a, right, Extend::This), {{3, 0, 0}}));
    EXPECT_TRUE(samePoints(intersectWith(a, right, Extend::Both), {{-1, 0, 0}, {3, 0, 0}}));
    EXPECT_TRUE(samePoints(intersectWith(right, a, Extend::Both), {{-1, 0, 0}, {3, 0, 0}}));

    // A closed spline has no ends to carry on from, though its seam has a tangent.
    const Nurbs ring = *nurbsFromArc(Arc::makeCircle({1, 1, 0}, 2, {0, 0, 1}));
    EXPECT_TRUE(intersectWith(ring, Line::segment({0, 10, 0}, {6, 10, 0}), Extend::Both).empty());

    // Two arches whose end rays cross below them, and reach each other's bodies not at all.
    const Nurbs twin = *transformed(a, ZcGeMatrix3d::translation({4, 0, 0}));
    EXPECT_TRUE(intersectWith(a, twin, Extend::This).empty());
    EXPECT_TRUE(samePoints(intersectWith(a, twin, Extend::Both), {{3, 0, 0}}));
}

TEST(SplineIntersect, CurvesInDifferentPlanesMeetOnlyWhereTheyTouch)
{
    const Nurbs s = sCurve();
    EXPECT_TRUE(samePoints(intersectWith(s, Line::segment({2, 0, -1}, {2, 0, 1}), Extend::None), {{2, 0, 0}}));
    EXPECT_TRUE(intersectWith(s, Line::segment({2, 0.1, -1}, {2, 0.1, 1}), Extend::None).empty());
    // A standing circle resting on the spline's start, as near as rounding lets it.
    const Arc standing = Arc::makeCircle({0, 0, 1 + 1e-12}, 1, {0, 1, 0});
    EXPECT_TRUE(samePoints(intersectWith(s, standing, Extend::None), {{0, 0, 0}}));
    // The same S turned up into the XZ plane shares the three axis points.
    const Nurbs upright = *transformed(sCurve(-1), ZcGeMatrix3d::rotation(std::numbers::pi / 2, {1, 0, 0}));
    EXPECT_TRUE(samePoints(intersectWith(s, upright, Extend::None), {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}}));
}

TEST(SplineIntersect, TwistedSplineMeetsALineThroughAFitPoint)
{
    std::vector<ZcGePoint3d> helix;
    for (int i = 0; i <= 8; ++i) {
        const double t = i * std::numbers::pi / 4;
        helix.push_back({std::cos(t), std::sin(t), t / 4});
    }
    const Nurbs s = *fitThrough(helix);
    ASSERT_TRUE(s.normal.isZeroLength());
    EXPECT_TRUE(samePoints(intersectWith(s, Line::infinite(helix[2], {0, 0, 1}), Extend::None), {helix[2]}, 1e-8));
    EXPECT_TRUE(intersectWith(s, Line::infinite({0, 0, 0}, {0, 0, 1}), Extend::None).empty());
}

}  // namespace
