// Nearest points on segments and lines, and the side of a directed line a point lies on.
#include "TrevanCom2002.h"
#include "support/host_fixture.h"

namespace {

class LineGeometry : public HostTest {};

TEST_F(LineGeometry, TheSideIsSeenFromAboveAlongTheDirection)
{
    ZcGePoint3d a(0, 0, 0), b(1, 0, 0);
    EXPECT_EQ(TrevanComARX_GetLineLR(ZcGePoint3d(0, 1, 0), a, b), 1);
    EXPECT_EQ(TrevanComARX_GetLineLR(ZcGePoint3d(0, -1, 0), a, b), 0);
    // On the line, beyond the segment's end: not left.
    EXPECT_EQ(TrevanComARX_GetLineLR(ZcGePoint3d(5, 0, 0), a, b), 0);
    // Reversing the direction swaps the sides; Z takes no part.
    EXPECT_EQ(TrevanComARX_GetLineLR(ZcGePoint3d(0, -1, 9), b, a), 1);
    EXPECT_EQ(TrevanComARX_GetLineLR(ZcGePoint3d(-3, 4, 0), ZcGePoint3d(0, 0, 0), ZcGePoint3d(1, 1, 0)), 1);
}

TEST_F(LineGeometry, TheSegmentStopsAtItsEndsTheLineDoesNot)
{
    ZcGePoint3d a(0, 0, 0), b(10, 0, 0);
    EXPECT_TRUE(TrevanComARX_GetLineClosestPoint2d(ZcGePoint3d(4, 3, 0), a, b, 0).isEqualTo(ZcGePoint3d(4, 0, 0)));
    EXPECT_TRUE(TrevanComARX_GetLineClosestPoint2d(ZcGePoint3d(15, 3, 0), a, b, 0).isEqualTo(b));
    EXPECT_TRUE(TrevanComARX_GetLineClosestPoint2d(ZcGePoint3d(15, 3, 0), a, b, 1).isEqualTo(ZcGePoint3d(15, 0, 0)));
    EXPECT_TRUE(TrevanComARX_GetLineClosestPoint2d(ZcGePoint3d(-5, 3, 0), a, b, 1).isEqualTo(ZcGePoint3d(-5, 0, 0)));
    // In 3D: a height above the line is dropped onto it.
    EXPECT_TRUE(TrevanComARX_GetLineClosestPoint2d(ZcGePoint3d(4, 0, 7), a, b, 0).isEqualTo(ZcGePoint3d(4, 0, 0)));
}

}  // namespace
