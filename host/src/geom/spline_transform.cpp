// Transforming and reversing spline data.
#include "geom/spline_transform.h"

#include <algorithm>

namespace zrx::geom {

std::optional<Nurbs> transformed(const Nurbs& s, const ZcGeMatrix3d& m, const ZcGeTol& tol)
{
    if (!isValid(s)) return std::nullopt;
    if (m(3, 0) != 0.0 || m(3, 1) != 0.0 || m(3, 2) != 0.0 || m(3, 3) != 1.0) return std::nullopt;
    Nurbs out = s;
    for (ZcGePoint3d& p : out.controlPoints) p = m * p;
    for (ZcGePoint3d& p : out.fitPoints) p = m * p;
    if (out.startTangent) out.startTangent = m * *out.startTangent;
    if (out.endTangent) out.endTangent = m * *out.endTangent;
    out.fitTolerance *= m.scale();
    // The image of the old plane's axes gives the new normal's sense, should the new data
    // leave the plane open to choice (a straight spline).
    if (!s.normal.isZeroLength()) {
        const ZcGeVector3d u = s.normal.perpVector();
        out.normal = ((m * u).crossProduct(m * s.normal.crossProduct(u))).normal();
    }
    refreshShapeFlags(out, tol);
    return out;
}

Nurbs reversed(const Nurbs& s)
{
    Nurbs out = s;
    std::reverse(out.controlPoints.begin(), out.controlPoints.end());
    std::reverse(out.weights.begin(), out.weights.end());
    std::reverse(out.fitPoints.begin(), out.fitPoints.end());
    if (isValid(s)) {
        const double sum = s.startParam() + s.endParam();
        const size_t n = s.knots.size();
        for (size_t i = 0; i < n; ++i) out.knots[i] = sum - s.knots[n - 1 - i];
    }
    out.startTangent = s.endTangent ? std::optional(-*s.endTangent) : std::nullopt;
    out.endTangent = s.startTangent ? std::optional(-*s.startTangent) : std::nullopt;
    return out;
}

}  // namespace zrx::geom
