// Extents and transformation of the kernel's curves.
#include "geom_expect.h"

#include "geom/curve.h"
#include "zrx/ge_plane.h"

#include <cmath>
#include <numbers>

using namespace zrx::geom;

namespace {

constexpr double kPi = std::numbers::pi;

TEST(Extents, ArcBoxIsExactAlsoInATiltedPlane)
{
    const Box quarter = extents(Arc::makeArc({0, 0, 0}, 1, {0, 0, 1}, kPi / 4, 3 * kPi / 4));
    EXPECT_TRUE(near(quarter.min, ZcGePoint3d(-std::sqrt(0.5), std::sqrt(0.5), 0)));
    EXPECT_TRUE(near(quarter.max, ZcGePoint3d(std::sqrt(0.5), 1, 0)));

    const double h = std::sqrt(0.5);
    const Box tilted = extents(Arc::makeCircle({1, 2, 3}, 2, {0, 1, 1}));
    EXPECT_TRUE(near(tilted.min, ZcGePoint3d(-1, 2 - 2 * h, 3 - 2 * h)));
    EXPECT_TRUE(near(tilted.max, ZcGePoint3d(3, 2 + 2 * h, 3 + 2 * h)));

    // A sampled arc never leaves the box, and the box is reached.
    const Arc arc = Arc::makeArc({0, 0, 0}, 3, {1, -2, 0.5}, 0.3, 4.0);
    const Box box = extents(arc);
    ZcGePoint3d lo(1e9, 1e9, 1e9), hi(-1e9, -1e9, -1e9);
    for (int i = 0; i <= 20000; ++i) {
        const ZcGePoint3d p = arc.at(arc.startAngle + arc.sweep() * i / 20000.0);
        for (unsigned k = 0; k < 3; ++k) {
            lo[k] = std::min(lo[k], p[k]);
            hi[k] = std::max(hi[k], p[k]);
        }
    }
    EXPECT_TRUE(near(box.min, lo, 1e-6));
    EXPECT_TRUE(near(box.max, hi, 1e-6));
}

TEST(Extents, PolylineIncludesItsArcBellyAndUnboundedLinesHaveNone)
{
    const Box box = extents(Polyline({{{-3, 0}, 0}, {{-1, 0}, 1}, {{1, 0}, 0}, {{3, 0}, 0}}, false));
    EXPECT_TRUE(near(box.min, ZcGePoint3d(-3, -1, 0)));
    EXPECT_TRUE(near(box.max, ZcGePoint3d(3, 0, 0)));
    EXPECT_FALSE(extents(Line::ray({0, 0, 0}, {1, 0, 0})));
    EXPECT_FALSE(extents(Curve(Line::infinite({0, 0, 0}, {1, 0, 0}))));
}

TEST(Transform, MirroredArcStaysCounterClockwiseAboutItsNormal)
{
    const Arc arc = Arc::makeArc({1, 0, 0}, 1, {0, 0, 1}, 0, kPi / 2);  // (2,0) to (1,1)
    const auto m = transformed(arc, ZcGeMatrix3d::mirroring(ZcGePlane::kYZPlane));
    ASSERT_TRUE(m);
    EXPECT_TRUE(near(m->normal, ZcGeVector3d(0, 0, 1)));
    EXPECT_TRUE(near(*startPoint(*m), ZcGePoint3d(-1, 1, 0)));
    EXPECT_TRUE(near(*endPoint(*m), ZcGePoint3d(-2, 0, 0)));

    const auto flipped = transformed(arc, ZcGeMatrix3d::mirroring(ZcGePlane::kXYPlane));
    ASSERT_TRUE(flipped);
    EXPECT_TRUE(near(flipped->normal, ZcGeVector3d(0, 0, -1)));
    EXPECT_TRUE(near(*startPoint(*flipped), ZcGePoint3d(1, 1, 0)));

    ZcGeMatrix3d stretch;
    stretch(0, 0) = 2.0;
    EXPECT_FALSE(transformed(arc, stretch));
    const auto scaled = transformed(arc, ZcGeMatrix3d::scaling(3.0));
    ASSERT_TRUE(scaled);
    EXPECT_DOUBLE_EQ(scaled->radius, 3.0);
}

TEST(Transform, PolylineImageMatchesTheImageOfEveryPoint)
{
    const Polyline pl({{{0, 0}, 0.5}, {{4, 0}, -1}, {{4, 3}, 0}, {{0, 3}, 0.2}}, true, 1.5, {0, 0.3, 1});
    const ZcGeMatrix3d moves[] = {
        ZcGeMatrix3d::rotation(1.1, {1, 2, 3}, {4, 5, 6}),
        ZcGeMatrix3d::mirroring(ZcGePlane::kXYPlane),
        ZcGeMatrix3d::mirroring(ZcGePlane({1, 1, 1}, {1, -1, 2})) * ZcGeMatrix3d::scaling(2.5, {0, 1, 0}),
    };
    for (const ZcGeMatrix3d& m : moves) {
        const auto image = transformed(pl, m);
        ASSERT_TRUE(image);
        for (double t = 0.0; t <= pl.endParam(); t += 0.125)
            EXPECT_TRUE(near(*pointAtParam(*image, t), m * *pointAtParam(pl, t), 1e-9)) << "param " << t;
    }
    ZcGeMatrix3d stretch;
    stretch(1, 1) = 2.0;
    EXPECT_FALSE(transformed(pl, stretch));
    const Polyline straight({{{0, 0}, 0}, {{1, 1}, 0}}, false);
    EXPECT_TRUE(near(*endPoint(*transformed(straight, stretch)), ZcGePoint3d(1, 2, 0)));
}

TEST(Transform, LinesKeepTheirKind)
{
    const auto ray = transformed(Line::ray({1, 0, 0}, {1, 0, 0}), ZcGeMatrix3d::rotation(kPi / 2, {0, 0, 1}));
    ASSERT_TRUE(ray);
    EXPECT_EQ(ray->kind, LineKind::Ray);
    EXPECT_TRUE(near(ray->base, ZcGePoint3d(0, 1, 0)));
    EXPECT_TRUE(near(ray->direction, ZcGeVector3d(0, 1, 0)));
    ZcGeMatrix3d flatten;
    flatten(2, 2) = 0.0;
    EXPECT_FALSE(transformed(Line::infinite({0, 0, 0}, {0, 0, 1}), flatten));
    EXPECT_TRUE(transformed(Line::segment({0, 0, 0}, {0, 0, 1}), flatten));  // a segment may collapse
}

}  // namespace
