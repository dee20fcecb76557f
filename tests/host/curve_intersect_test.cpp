// Intersections between every pair of curve kinds in every extension mode, and the cases
// the platform answers in its own way: tangents, parallels, overlaps, 3D, ordering.
#include "geom_expect.h"

#include "geom/intersect.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace zrx::geom;

namespace {

constexpr double kPi = std::numbers::pi;
const ZcGeVector3d kZ(0, 0, 1);
using Points = std::vector<ZcGePoint3d>;

ZcGePoint3d P(double x, double y, double z = 0.0) { return {x, y, z}; }

// (-3,0) straight to (-1,0), the lower half circle about the origin to (1,0), straight to (3,0).
Polyline dipPath() { return Polyline({{{-3, 0}, 0}, {{-1, 0}, 1}, {{1, 0}, 0}, {{3, 0}, 0}}, false); }

struct Case {
    const char* name;
    Curve first;
    Curve second;
    Points expected[4];  // None, This, Arg, Both
};

std::vector<Case> modeCases()
{
    const Curve seg = Line::segment(P(0, 0), P(2, 0));
    const Curve ray = Line::ray(P(0, 0), {1, 0, 0});
    const Curve xline = Line::infinite(P(0, 0), {1, 0, 0});
    const Curve leftHalf = Arc::makeArc(P(0, 0), 1, kZ, kPi / 2, 3 * kPi / 2);
    const Curve unit = Arc::makeCircle(P(0, 0), 1, kZ);
    const Curve firstQuarter = Arc::makeArc(P(0, 0), 1, kZ, 0, kPi / 2);
    const Curve shiftedArc = Arc::makeArc(P(1, 0), 1, kZ, kPi, 5 * kPi / 3);
    const Curve shiftedCircle = Arc::makeCircle(P(1, 0), 1, kZ);
    const Curve dip = dipPath();
    const double s = std::sqrt(3.0) / 2;
    const ZcGePoint3d p3 = P(3, 0), p1 = P(1, 0), m1 = P(-1, 0), up = P(0.5, s), down = P(0.5, -s), bottom = P(0, -1);
    return {
        {"segment-segment past first", seg, Line::segment(P(3, -1), P(3, 1)), {{}, {p3}, {}, {p3}}},
        {"segment-segment past second", seg, Line::segment(P(1, 1), P(1, 2)), {{}, {}, {p1}, {p1}}},
        {"segment-ray behind ray", seg, Line::ray(P(1, 1), {0, 1, 0}), {{}, {}, {p1}, {p1}}},
        {"segment-ray past segment", seg, Line::ray(P(3, -1), {0, 1, 0}), {{}, {p3}, {}, {p3}}},
        {"segment-xline", seg, Line::infinite(P(3, 5), {0, 1, 0}), {{}, {p3}, {}, {p3}}},
        {"ray-ray", ray, Line::ray(P(-1, -1), {0, 1, 0}), {{}, {m1}, {}, {m1}}},
        {"ray-xline", ray, Line::infinite(P(-1, 0), {0, 1, 0}), {{}, {m1}, {}, {m1}}},
        {"xline-xline", xline, Line::infinite(P(5, 5), {1, 1, 0}), {{P(0, 0)}, {P(0, 0)}, {P(0, 0)}, {P(0, 0)}}},
        {"segment-arc", seg, leftHalf, {{}, {m1}, {p1}, {m1, p1}}},
        {"segment-circle", seg, unit, {{p1}, {m1, p1}, {p1}, {m1, p1}}},
        {"ray-arc", ray, leftHalf, {{}, {m1}, {p1}, {m1, p1}}},
        {"ray-circle", ray, unit, {{p1}, {m1, p1}, {p1}, {m1, p1}}},
        {"xline-arc", xline, leftHalf, {{m1}, {m1}, {m1, p1}, {m1, p1}}},
        {"xline-circle", xline, unit, {{m1, p1}, {m1, p1}, {m1, p1}, {m1, p1}}},
        {"arc-arc", firstQuarter, shiftedArc, {{}, {down}, {up}, {up, down}}},
        {"arc-circle", firstQuarter, shiftedCircle, {{up}, {up, down}, {up}, {up, down}}},
        {"circle-circle", unit, shiftedCircle, {{up, down}, {up, down}, {up, down}, {up, down}}},
        {"polyline-segment arc piece", dip, Line::segment(P(0, -3), P(0, -2)), {{}, {}, {bottom}, {bottom}}},
        {"polyline-segment past end", dip, Line::segment(P(5, -1), P(5, 1)), {{}, {P(5, 0)}, {}, {P(5, 0)}}},
        {"polyline-ray", dip, Line::ray(P(-5, 1), {0, 1, 0}), {{}, {}, {}, {P(-5, 0)}}},
        {"polyline-xline", dip, Line::infinite(P(4, 7), {0, 1, 0}), {{}, {P(4, 0)}, {}, {P(4, 0)}}},
        {"polyline-arc", dip, Arc::makeArc(P(0, 0), 2, kZ, kPi / 2, 3 * kPi / 2),
         {{P(-2, 0)}, {P(-2, 0)}, {P(-2, 0), P(2, 0)}, {P(-2, 0), P(2, 0)}}},
        {"polyline-circle", dip, Arc::makeCircle(P(0, 0), 4, kZ), {{}, {P(-4, 0), P(4, 0)}, {}, {P(-4, 0), P(4, 0)}}},
        {"polyline-polyline", dip, Polyline({{{0, -3}, 0}, {{0, -2}, 0}}, false), {{}, {}, {bottom}, {bottom}}},
    };
}

Points sortedByXyz(Points ps)
{
    std::sort(ps.begin(), ps.end(), [](const ZcGePoint3d& a, const ZcGePoint3d& b) {
        return std::tie(a.x, a.y, a.z) < std::tie(b.x, b.y, b.z);
    });
    return ps;
}

TEST(IntersectModes, EveryPairInEveryMode)
{
    const Extend modes[] = {Extend::None, Extend::This, Extend::Arg, Extend::Both};
    const Extend swapped[] = {Extend::None, Extend::Arg, Extend::This, Extend::Both};
    for (const Case& c : modeCases())
        for (int m = 0; m < 4; ++m) {
            EXPECT_TRUE(samePoints(intersectWith(c.first, c.second, modes[m]), c.expected[m])) << c.name << " mode " << m;
            // The same points the other way round, with the modes exchanged.
            EXPECT_TRUE(samePoints(sortedByXyz(intersectWith(c.second, c.first, swapped[m])), sortedByXyz(c.expected[m])))
                << c.name << " reversed, mode " << m;
        }
}

TEST(IntersectTangents, ATouchIsOnePoint)
{
    const Curve unit = Arc::makeCircle(P(0, 0), 1, kZ);
    EXPECT_TRUE(samePoints(intersectWith(Line::segment(P(-2, 1), P(2, 1)), unit, Extend::None), {P(0, 1)}));
    EXPECT_TRUE(samePoints(intersectWith(Line::segment(P(-2, 1 - 5e-11), P(2, 1 - 5e-11)), unit, Extend::None),
                           {P(0, 1 - 5e-11)}));
    EXPECT_TRUE(samePoints(intersectWith(unit, Arc::makeCircle(P(2, 0), 1, kZ), Extend::None), {P(1, 0)}));
    EXPECT_TRUE(samePoints(intersectWith(Arc::makeCircle(P(0, 0), 2, kZ), Arc::makeCircle(P(1, 0), 1, kZ), Extend::None),
                           {P(2, 0)}));
    EXPECT_TRUE(samePoints(intersectWith(dipPath(), Line::infinite(P(5, -1), {1, 0, 0}), Extend::None), {P(0, -1)}));
    // Tangent to the arc piece where it meets the straight piece: still one point.
    EXPECT_TRUE(samePoints(intersectWith(dipPath(), Line::infinite(P(-1, 4), {0, 1, 0}), Extend::None), {P(-1, 0)}));
    // Circles in perpendicular planes touching at one point.
    EXPECT_TRUE(samePoints(intersectWith(unit, Arc::makeCircle(P(2, 0), 1, {0, 1, 0}), Extend::None), {P(1, 0)}));
}

TEST(IntersectParallels, ParallelAndOverlappingGiveNothing)
{
    const Curve seg = Line::segment(P(0, 0), P(2, 0));
    const Curve others[] = {
        Line::segment(P(0, 1), P(2, 1)), Line::ray(P(5, -1), {-1, 0, 0}), Line::infinite(P(0, 3), {1, 0, 0}),
        Line::segment(P(1, 0), P(5, 0)),  // overlapping
        Line::segment(P(3, 0), P(5, 0)),  // on the same line, apart
        Line::infinite(P(7, 0), {-1, 0, 0}),
    };
    for (const Curve& other : others)
        for (Extend m : {Extend::None, Extend::This, Extend::Arg, Extend::Both})
            EXPECT_TRUE(intersectWith(seg, other, m).empty()) << static_cast<int>(m);
}

TEST(IntersectOverlaps, CoincidentCirclesGiveNothingButOtherPiecesStillCount)
{
    const Curve unit = Arc::makeCircle(P(0, 0), 1, kZ);
    EXPECT_TRUE(intersectWith(unit, Arc::makeArc(P(0, 0), 1, kZ, 1, 2), Extend::Both).empty());
    EXPECT_TRUE(intersectWith(unit, Arc::makeCircle(P(0, 0), 0.5, kZ), Extend::Both).empty());
    // The half-circle piece overlaps; the straight pieces still meet the circle.
    EXPECT_TRUE(samePoints(intersectWith(dipPath(), unit, Extend::None), {P(-1, 0), P(1, 0)}));
}

TEST(IntersectSpace, CurvesInDifferentPlanesMeetOnlyOnBoth)
{
    const Curve unit = Arc::makeCircle(P(0, 0), 1, kZ);
    EXPECT_TRUE(samePoints(intersectWith(Line::segment(P(1, 0, -1), P(1, 0, 1)), unit, Extend::None), {P(1, 0)}));
    EXPECT_TRUE(intersectWith(Line::segment(P(0.5, 0, -1), P(0.5, 0, 1)), unit, Extend::Both).empty());
    EXPECT_TRUE(intersectWith(Line::segment(P(0, 0), P(1, 0)), Line::segment(P(0, 1, 1), P(0, 2, 1)), Extend::Both).empty());
    EXPECT_TRUE(samePoints(intersectWith(unit, Arc::makeCircle(P(0, 0), 1, {0, 1, 0}), Extend::None), {P(1, 0), P(-1, 0)}));
    EXPECT_TRUE(intersectWith(unit, Arc::makeCircle(P(0, 0, 1), 1, kZ), Extend::Both).empty());
    const Curve raised = Polyline({{{-3, 0}, 0}, {{3, 0}, 0}}, false, 2.0);
    EXPECT_TRUE(samePoints(intersectWith(raised, Line::infinite(P(0, 0), {0, 0, 1}), Extend::None), {P(0, 0, 2)}));
}

TEST(IntersectOrder, ResultsFollowTheFirstCurve)
{
    const double c = std::sqrt(0.75);
    const Curve across = Line::infinite(P(0, -0.5), {-1, 0, 0});
    EXPECT_TRUE(samePoints(intersectWith(dipPath(), across, Extend::None), {P(-c, -0.5), P(c, -0.5)}));
    EXPECT_TRUE(samePoints(intersectWith(across, dipPath(), Extend::None), {P(c, -0.5), P(-c, -0.5)}));

    // The closing vertex of a closed path is one point, at parameter 0.
    const Curve square = Polyline({{{0, 0}, 0}, {{2, 0}, 0}, {{2, 2}, 0}, {{0, 2}, 0}}, true);
    EXPECT_TRUE(samePoints(intersectWith(square, Line::infinite(P(5, 5), {-1, -1, 0}), Extend::None), {P(0, 0), P(2, 2)}));

    // An arc first piece extended backwards comes before the start.
    const Curve hump = Polyline({{{1, 0}, 1}, {{-1, 0}, 0}, {{-1, 2}, 0}}, false);
    const Curve axis = Line::infinite(P(0, 5), {0, 1, 0});
    EXPECT_TRUE(samePoints(intersectWith(hump, axis, Extend::None), {P(0, 1)}));
    EXPECT_TRUE(samePoints(intersectWith(hump, axis, Extend::This), {P(0, -1), P(0, 1)}));
    // Where that circle closes on itself is the piece's own end, not the far end of the extension.
    EXPECT_TRUE(samePoints(intersectWith(hump, Line::infinite(P(5, 0), {-1, 0, 0}), Extend::This), {P(1, 0), P(-1, 0)}));
}

}  // namespace
