// The whole-curve services: extents, transformation, reversal, conversion from closed-form
// curves, and sampling for drawing.
#include "geom_expect.h"
#include "spline_samples.h"

#include "geom/spline_convert.h"
#include "geom/spline_eval.h"
#include "geom/spline_extents.h"
#include "geom/spline_length.h"
#include "geom/spline_project.h"
#include "geom/spline_sample.h"
#include "geom/spline_transform.h"

#include <cmath>
#include <numbers>

using namespace zrx::geom;

namespace {

constexpr double kPi = std::numbers::pi;

TEST(SplineShape, ExtentsAreTheCurvesNotTheControlPolygons)
{
    const Nurbs circle = *nurbsFromArc(Arc::makeCircle({1, 2, 3}, 2, {0, 0, 1}));
    const Box box = *extents(circle);
    EXPECT_TRUE(near(box.min, {-1, 0, 3}, 1e-9));
    EXPECT_TRUE(near(box.max, {3, 4, 3}, 1e-9));

    // The fitted S overshoots its fit points a little, and its control polygon a lot more.
    const Nurbs s = spline_samples::sCurve();
    const Box tight = *extents(s);
    EXPECT_DOUBLE_EQ(tight.min.x, 0.0);
    EXPECT_NEAR(tight.max.y, -tight.min.y, 1e-9);
    EXPECT_LT(tight.max.y, controlBox(s).max.y - 0.1);
    double highest = 0.0;
    for (const ZcGePoint3d& p : sample(s, 1e-6)) highest = std::max(highest, p.y);
    EXPECT_GE(tight.max.y, highest);
    EXPECT_NEAR(tight.max.y, highest, 1e-5);
    EXPECT_GT(highest, 1.0);
}

TEST(SplineShape, AffineTransformsMoveTheCurveExactly)
{
    const Nurbs circle = *nurbsFromArc(Arc::makeCircle({0, 0, 0}, 1, {0, 0, 1}));
    ZcGeMatrix3d stretch;
    stretch(0, 0) = 3.0;   // a circle becomes an ellipse: weights must be kept for that
    stretch(0, 3) = 1.0;
    const Nurbs ellipse = *transformed(circle, stretch);
    for (double f : {0.1, 0.35, 0.6, 0.9}) {
        const double u = circle.startParam() + f * (circle.endParam() - circle.startParam());
        EXPECT_TRUE(near(*pointAtParam(ellipse, u), stretch * *pointAtParam(circle, u), 1e-12));
        const ZcGePoint3d p = *pointAtParam(ellipse, u);
        EXPECT_NEAR(std::pow((p.x - 1) / 3, 2) + p.y * p.y, 1.0, 1e-12);
    }
    const Nurbs turned = *transformed(spline_samples::sCurve(), ZcGeMatrix3d::rotation(kPi / 2, {1, 0, 0}));
    EXPECT_TRUE(turned.normal.isParallelTo({0, 1, 0}));
    ZcGeMatrix3d projective;
    projective(3, 2) = 0.5;
    EXPECT_FALSE(transformed(circle, projective));
}

TEST(SplineShape, ReversalRunsTheSameCurveBackwards)
{
    FitOptions closed;
    closed.closed = true;
    const Nurbs loop = *fitThrough({{0, 0, 0}, {4, -1, 0}, {5, 3, 0}, {1, 4, 0}}, closed);
    // Weights that differ from one end to the other.
    const Nurbs hook = *nurbsFromPolyline(Polyline({{{0, 0}, 0.0}, {{3, 0}, 0.6}, {{5, 2}, 0.0}}, false));
    for (const Nurbs& s : {loop, hook, spline_samples::arch()}) {
        const Nurbs r = reversed(s);
        EXPECT_DOUBLE_EQ(r.startParam(), s.startParam());
        for (double f : {0.0, 0.2, 0.7, 1.0}) {
            const double u = s.startParam() + f * (s.endParam() - s.startParam());
            EXPECT_TRUE(near(*pointAtParam(r, s.startParam() + s.endParam() - u), *pointAtParam(s, u), 1e-12));
        }
    }
    const Nurbs r = reversed(spline_samples::arch());
    EXPECT_TRUE(near(*r.startTangent, ZcGeVector3d(-1, 1, 0)));
    EXPECT_TRUE(near(r.fitPoints.front(), {2, 1, 0}));
}

TEST(SplineConvert, ArcsBecomeExactRationalSplines)
{
    const Arc arc = Arc::makeArc({1, 1, 0}, 3, {0, 0, 1}, 0.5, 5.0);   // more than three quarters
    const Nurbs s = *nurbsFromArc(arc);
    EXPECT_TRUE(s.rational);
    EXPECT_FALSE(s.closed);
    EXPECT_NEAR(*length(s), arc.length(), 1e-9);
    EXPECT_TRUE(near(*startPoint(s), arc.at(0.5)));
    EXPECT_TRUE(near(*endPoint(s), arc.at(5.0)));
    for (const ZcGePoint3d& p : sample(s, 1e-3)) EXPECT_NEAR(p.distanceTo(arc.center), 3.0, 1e-12);

    const Nurbs circle = *nurbsFromArc(Arc::makeCircle({0, 0, 5}, 2, {0, 1, 0}));
    EXPECT_TRUE(circle.closed);
    EXPECT_TRUE(near(circle.normal, ZcGeVector3d(0, 1, 0)));
    EXPECT_NEAR(*length(circle), 4 * kPi, 1e-9);
}

TEST(SplineConvert, PolylinePathsKeepTheirShapeAndLength)
{
    const Polyline path({{{0, 0}, 0.0}, {{4, 0}, -1.0}, {{4, 4}, 0.0}, {{0, 4}, 0.0}}, false, 2.0);
    const Nurbs s = *nurbsFromPolyline(path);
    EXPECT_EQ(s.degree, 2);
    EXPECT_NEAR(*length(s), path.length(), 1e-9);
    EXPECT_TRUE(near(*startPoint(s), *startPoint(path)));
    EXPECT_TRUE(near(*endPoint(s), *endPoint(path)));
    for (const ZcGePoint3d& p : sample(s, 1e-3)) EXPECT_LT(closestPointTo(path, p, false).distanceTo(p), 1e-9);

    const Polyline square({{{0, 0}, 0.0}, {{1, 0}, 0.0}, {{1, 0}, 0.0}, {{1, 1}, 0.0}, {{0, 1}, 0.0}}, true);
    const Nurbs flat = *nurbsFromPolyline(square);
    EXPECT_EQ(flat.degree, 1);
    EXPECT_EQ(flat.controlPoints.size(), 5u);   // the repeated vertex is dropped
    EXPECT_TRUE(flat.closed);
    EXPECT_FALSE(nurbsFromPolyline(Polyline({{{2, 2}, 0.0}}, false)));
}

TEST(SplineSample, ChordsStayWithinTheTolerance)
{
    const Nurbs circle = *nurbsFromArc(Arc::makeCircle({0, 0, 0}, 10, {0, 0, 1}));
    for (double tol : {0.1, 0.001}) {
        const auto pts = sample(circle, tol);
        ASSERT_GE(pts.size(), 3u);
        EXPECT_TRUE(near(pts.front(), *startPoint(circle)));
        EXPECT_TRUE(near(pts.back(), *endPoint(circle)));
        for (size_t i = 0; i + 1 < pts.size(); ++i) {
            const ZcGePoint3d mid = pts[i] + (pts[i + 1] - pts[i]) * 0.5;
            EXPECT_GE(mid.distanceTo({0, 0, 0}), 10 - tol - 1e-9);
        }
    }
    EXPECT_GT(sample(circle, 0.001).size(), sample(circle, 0.1).size());
}

}  // namespace
