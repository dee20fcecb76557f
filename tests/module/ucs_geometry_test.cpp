// Points between world and user coordinates, and the half-turn matrix about a UCS axis.
#include <cmath>

#include "TrevanCom2002.h"
#include "support/editor_fixture.h"

namespace {

class UcsGeometry : public EditorTest {
protected:
    // The UCS turned 30 degrees about Z, its origin at (1000, 500).
    void rotateUcs()
    {
        ZcGeMatrix3d m;
        double c = std::cos(M_PI / 6), s = std::sin(M_PI / 6);
        m.setCoordSystem(ZcGePoint3d(1000, 500, 0), ZcGeVector3d(c, s, 0), ZcGeVector3d(-s, c, 0), ZcGeVector3d::kZAxis);
        ASSERT_EQ(zcedSetCurrentUCS(m), Zcad::eOk);
    }
};

TEST_F(UcsGeometry, PointsStayAsTheyAreWhileTheWorldIsCurrent)
{
    ZcGePoint3d p(12.5, -3, 7);
    EXPECT_TRUE(TrevanComTransWtoU(p).isEqualTo(p));
    EXPECT_TRUE(TrevanComTransUtoW(p).isEqualTo(p));
}

TEST_F(UcsGeometry, UnderARotatedUcsPointsConvertBothWays)
{
    rotateUcs();
    double c = std::cos(M_PI / 6), s = std::sin(M_PI / 6);
    // 100 along the UCS X axis from its origin.
    ZcGePoint3d world(1000 + 100 * c, 500 + 100 * s, 0);
    EXPECT_TRUE(TrevanComTransWtoU(world).isEqualTo(ZcGePoint3d(100, 0, 0)));
    EXPECT_TRUE(TrevanComTransUtoW(ZcGePoint3d(100, 0, 0)).isEqualTo(world));
    // A point, not a displacement: the origin moves too.
    EXPECT_TRUE(TrevanComTransUtoW(ZcGePoint3d::kOrigin).isEqualTo(ZcGePoint3d(1000, 500, 0)));
    ZcGePoint3d any(-20, 340, 5);
    EXPECT_TRUE(TrevanComTransUtoW(TrevanComTransWtoU(any)).isEqualTo(any));
}

TEST_F(UcsGeometry, TheMirrorTurnsHalfWayAboutTheUcsAxisThroughTheBase)
{
    ZcGeMatrix3d m;
    ASSERT_TRUE(TrevanComARX_AcGeMatrix3dTransformMirror(ZcGePoint3d(10, 0, 0), m, true));
    // About the X axis through (10, 0, 0): y and z change sign.
    EXPECT_TRUE((m * ZcGePoint3d(15, 3, 2)).isEqualTo(ZcGePoint3d(15, -3, -2)));
    ASSERT_TRUE(TrevanComARX_AcGeMatrix3dTransformMirror(ZcGePoint3d(10, 0, 0), m, false));
    EXPECT_TRUE((m * ZcGePoint3d(15, 3, 0)).isEqualTo(ZcGePoint3d(5, 3, 0)));

    rotateUcs();
    double c = std::cos(M_PI / 6), s = std::sin(M_PI / 6);
    ASSERT_TRUE(TrevanComARX_AcGeMatrix3dTransformMirror(ZcGePoint3d(1000, 500, 0), m, true));
    // A point off the UCS X axis lands on the other side of it.
    ZcGePoint3d off(1000 - 10 * s, 500 + 10 * c, 0);
    EXPECT_TRUE((m * off).isEqualTo(ZcGePoint3d(1000 + 10 * s, 500 - 10 * c, 0)));
}

}  // namespace
