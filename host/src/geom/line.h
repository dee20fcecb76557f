// The straight-line primitive in its three kinds. The parameter is the signed distance from
// the base along the unit direction, so a segment runs 0..length, a ray 0..∞ and an
// infinite (construction) line -∞..∞ with 0 at its base, as on the platform.
//
// Queries answer std::nullopt where the platform answers an error: a parameter outside the
// range, a point off the line, an end an unbounded line does not have.
#pragma once

#include "geom/box.h"
#include "zrx/ge_matrix3d.h"

#include <optional>
#include <vector>

namespace zrx::geom {

enum class LineKind { Segment, Ray, Infinite };

struct ZRX_API Line {
    LineKind kind = LineKind::Segment;
    ZcGePoint3d base;                   // segment start, ray base, construction-line base
    ZcGeVector3d direction{1, 0, 0};    // unit; a zero-length segment keeps the X axis
    double length = 0.0;                // segments only
    ZcGePoint3d end;                    // segments only: kept so the end point is exact

    static Line segment(const ZcGePoint3d& start, const ZcGePoint3d& end);
    static Line ray(const ZcGePoint3d& base, const ZcGeVector3d& direction);
    static Line infinite(const ZcGePoint3d& base, const ZcGeVector3d& direction);

    double startParam() const;   // -∞ for an infinite line
    double endParam() const;     // +∞ unless a segment
    bool isClosed() const { return false; }
    // Unchecked evaluation, also beyond the range.
    ZcGePoint3d at(double t) const;
};

ZRX_API std::optional<ZcGePoint3d> startPoint(const Line& line);
ZRX_API std::optional<ZcGePoint3d> endPoint(const Line& line);
ZRX_API std::optional<ZcGePoint3d> pointAtParam(const Line& line, double param,
                                                const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::optional<double> paramAtPoint(const Line& line, const ZcGePoint3d& point,
                                           const ZcGeTol& tol = ZcGeContext::gTol);
// Measured from parameter 0, so signed on an infinite line.
ZRX_API std::optional<double> distAtParam(const Line& line, double param, const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::optional<double> paramAtDist(const Line& line, double dist, const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::optional<ZcGeVector3d> firstDeriv(const Line& line, double param, const ZcGeTol& tol = ZcGeContext::gTol);
// With extend, a segment or ray counts as its whole infinite line.
ZRX_API ZcGePoint3d closestPointTo(const Line& line, const ZcGePoint3d& point, bool extend);
// Pieces in order. Splitting an infinite line yields a ray pointing backwards from the first
// split, segments, and a ray forwards from the last one. No interior parameter: one piece,
// the line itself.
ZRX_API std::vector<Line> splitAtParams(const Line& line, const std::vector<double>& params,
                                        const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::vector<Line> splitAtPoints(const Line& line, const std::vector<ZcGePoint3d>& points,
                                        const ZcGeTol& tol = ZcGeContext::gTol);
// Unbounded lines have no extents.
ZRX_API std::optional<Box> extents(const Line& line);
// Fails only when the matrix collapses the direction.
ZRX_API std::optional<Line> transformed(const Line& line, const ZcGeMatrix3d& m);

}  // namespace zrx::geom
