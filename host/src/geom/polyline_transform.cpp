// Moving a polyline path by a matrix: vertices go through world space into the plane of
// the transformed normal.
#include "geom/polyline.h"

#include <algorithm>
#include <cmath>

namespace zrx::geom {

std::optional<Polyline> transformed(const Polyline& pl, const ZcGeMatrix3d& m)
{
    const bool hasArc = std::any_of(pl.vertices().begin(), pl.vertices().end(),
                                    [](const PolylineVertex& v) { return std::fabs(v.bulge) > kStraightBulge; });
    if (hasArc && !m.isUniScaledOrtho()) return std::nullopt;
    // The image plane's normal is the cross product of the images of the plane's axes;
    // a mirror would flip it, so it is turned back to follow the old normal.
    const ZcGeVector3d u = pl.normal().perpVector();
    const ZcGeVector3d v = pl.normal().crossProduct(u);
    const bool mirrored = m.det() < 0.0;
    ZcGeVector3d normal = (m * u).crossProduct(m * v);
    if (normal.isZeroLength()) return std::nullopt;
    if (mirrored) normal = -normal;
    normal.normalize();

    const ZcGeMatrix3d toPlane = ZcGeMatrix3d::worldToPlane(normal);
    std::vector<PolylineVertex> out;
    double elevation = 0.0;
    for (const PolylineVertex& vertex : pl.vertices()) {
        const ZcGePoint3d local = toPlane * (m * pl.toWorld(vertex.point));
        if (out.empty()) elevation = local.z;
        out.push_back({ZcGePoint2d(local.x, local.y), mirrored ? -vertex.bulge : vertex.bulge});
    }
    return Polyline(std::move(out), pl.isClosed(), elevation, normal);
}

}  // namespace zrx::geom
