// Points and lines: the side of a directed line a point lies on, nearest points on segments
// and lines, points between world and user coordinates, and the half-turn about a UCS axis.
#include <cmath>

#include "TrevanCom2002.h"
#include "support/editor_fixture.h"

namespace {

using LineGeometry = EditorTest;

TEST_F(LineGeometry, TheSideIsSeenFromAboveAlongTheDirection)
{
    const ZcGePoint3d o(0, 0, 0), x(1, 0, 0);
    const std::tuple<ZcGePoint3d, ZcGePoint3d, ZcGePoint3d, int> cases[] = {
        {ZcGePoint3d(0, 1, 0), o, x, 1},
        {ZcGePoint3d(0, -1, 0), o, x, 0},
        // On the line, beyond the segment's end: not left.
        {ZcGePoint3d(5, 0, 0), o, x, 0},
        // Reversing the direction swaps the sides; Z takes no part.
        {ZcGePoint3d(0, -1, 9), x, o, 1},
        {ZcGePoint3d(-3, 4, 0), o, ZcGePoint3d(1, 1, 0), 1},
    };
    for (const auto& [p, a, b, left] : cases) EXPECT_EQ(TrevanComARX_GetLineLR(p, a, b), left) << p.x << "," << p.y;
}

TEST_F(LineGeometry, TheSegmentStopsAtItsEndsTheLineDoesNot)
{
    const ZcGePoint3d a(0, 0, 0), b(10, 0, 0);
    const std::tuple<ZcGePoint3d, int, ZcGePoint3d> cases[] = {
        {ZcGePoint3d(4, 3, 0), 0, ZcGePoint3d(4, 0, 0)},   {ZcGePoint3d(15, 3, 0), 0, b},
        {ZcGePoint3d(15, 3, 0), 1, ZcGePoint3d(15, 0, 0)}, {ZcGePoint3d(-5, 3, 0), 1, ZcGePoint3d(-5, 0, 0)},
        // In 3D: a height above the line is dropped onto it.
        {ZcGePoint3d(4, 0, 7), 0, ZcGePoint3d(4, 0, 0)}};
    for (const auto& [p, asLine, nearest] : cases)
        EXPECT_TRUE(TrevanComARX_GetLineClosestPoint2d(p, a, b, asLine).isEqualTo(nearest)) << p.x << "," << asLine;
}

class UcsGeometry : public EditorTest {
protected:
    // The UCS turned 30 degrees about Z, its origin at (1000, 500).
    void rotateUcs()
    {
        ZcGeMatrix3d m;
        m.setCoordSystem(ZcGePoint3d(1000, 500, 0), ZcGeVector3d(c, s, 0), ZcGeVector3d(-s, c, 0), ZcGeVector3d::kZAxis);
        ASSERT_EQ(zcedSetCurrentUCS(m), Zcad::eOk);
    }
    const double c = std::cos(M_PI / 6), s = std::sin(M_PI / 6);
};

TEST_F(UcsGeometry, PointsConvertBothWaysUnderTheCurrentUcs)
{
    const ZcGePoint3d any(-20, 340, 5);
    EXPECT_TRUE(TrevanComTransWtoU(any).isEqualTo(any));
    EXPECT_TRUE(TrevanComTransUtoW(any).isEqualTo(any));
    rotateUcs();
    // 100 along the UCS X axis from its origin.
    ZcGePoint3d world(1000 + 100 * c, 500 + 100 * s, 0);
    EXPECT_TRUE(TrevanComTransWtoU(world).isEqualTo(ZcGePoint3d(100, 0, 0)));
    EXPECT_TRUE(TrevanComTransUtoW(ZcGePoint3d(100, 0, 0)).isEqualTo(world));
    // A point, not a displacement: the origin moves too.
    EXPECT_TRUE(TrevanComTransUtoW(ZcGePoint3d::kOrigin).isEqualTo(ZcGePoint3d(1000, 500, 0)));
    EXPECT_TRUE(TrevanComTransUtoW(TrevanComTransWtoU(any)).isEqualTo(any));
}

TEST_F(UcsGeometry, TheMirrorTurnsHalfWayAboutTheUcsAxisThroughTheBase)
{
    ZcGeMatrix3d m;
    ASSERT_TRUE(TrevanComARX_AcGeMatrix3dTransformMirror(ZcGePoint3d(10, 0, 0), m, true));
    // About the X axis through (10, 0, 0): y and z change sign.
    EXPECT_TRUE((m * ZcGePoint3d(15, 3, 2)).isEqualTo(ZcGePoint3d(15, -3, -2)));
    rotateUcs();
    ASSERT_TRUE(TrevanComARX_AcGeMatrix3dTransformMirror(ZcGePoint3d(1000, 500, 0), m, true));
    // A point off the UCS X axis lands on the other side of it.
    ZcGePoint3d off(1000 - 10 * s, 500 + 10 * c, 0);
    EXPECT_TRUE((m * off).isEqualTo(ZcGePoint3d(1000 + 10 * s, 500 - 10 * c, 0)));
}

}  // namespace
