// Straight lines: evaluation, parameters, projection, splitting and transformation.
#include "geom/line.h"

#include "geom/split_params.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zrx::geom {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

bool inRange(const Line& line, double t, double tol)
{
    return t >= line.startParam() - tol && t <= line.endParam() + tol;
}

double clampToRange(const Line& line, double t) { return std::clamp(t, line.startParam(), line.endParam()); }

}  // namespace

Line Line::segment(const ZcGePoint3d& start, const ZcGePoint3d& endPoint)
{
    Line l;
    l.kind = LineKind::Segment;
    l.base = start;
    l.end = endPoint;
    l.length = start.distanceTo(endPoint);
    if (l.length > 0.0) l.direction = (endPoint - start) / l.length;
    return l;
}

Line Line::ray(const ZcGePoint3d& base, const ZcGeVector3d& direction)
{
    Line l;
    l.kind = LineKind::Ray;
    l.base = base;
    l.direction = direction.normal();
    return l;
}

Line Line::infinite(const ZcGePoint3d& base, const ZcGeVector3d& direction)
{
    Line l = ray(base, direction);
    l.kind = LineKind::Infinite;
    return l;
}

double Line::startParam() const { return kind == LineKind::Infinite ? -kInf : 0.0; }

double Line::endParam() const { return kind == LineKind::Segment ? length : kInf; }

ZcGePoint3d Line::at(double t) const
{
    if (kind == LineKind::Segment) {
        // Interpolating between the stored ends keeps both of them exact.
        if (t == length) return end;
        if (length > 0.0) return base + (end - base) * (t / length);
    }
    return base + direction * t;
}

std::optional<ZcGePoint3d> startPoint(const Line& line)
{
    if (line.kind == LineKind::Infinite) return std::nullopt;
    return line.base;
}

std::optional<ZcGePoint3d> endPoint(const Line& line)
{
    if (line.kind != LineKind::Segment) return std::nullopt;
    return line.end;
}

std::optional<ZcGePoint3d> pointAtParam(const Line& line, double param, const ZcGeTol& tol)
{
    if (!std::isfinite(param) || !inRange(line, param, tol.equalPoint())) return std::nullopt;
    return line.at(clampToRange(line, param));
}

std::optional<double> paramAtPoint(const Line& line, const ZcGePoint3d& point, const ZcGeTol& tol)
{
    const double t = (point - line.base).dotProduct(line.direction);
    if (!inRange(line, t, tol.equalPoint())) return std::nullopt;
    const double clamped = clampToRange(line, t);
    if (line.at(clamped).distanceTo(point) > tol.equalPoint()) return std::nullopt;
    return clamped;
}

std::optional<double> distAtParam(const Line& line, double param, const ZcGeTol& tol)
{
    if (!std::isfinite(param) || !inRange(line, param, tol.equalPoint())) return std::nullopt;
    return clampToRange(line, param);
}

std::optional<double> paramAtDist(const Line& line, double dist, const ZcGeTol& tol)
{
    return distAtParam(line, dist, tol);
}

std::optional<ZcGeVector3d> firstDeriv(const Line& line, double param, const ZcGeTol& tol)
{
    if (!std::isfinite(param) || !inRange(line, param, tol.equalPoint())) return std::nullopt;
    return line.direction;
}

ZcGePoint3d closestPointTo(const Line& line, const ZcGePoint3d& point, bool extend)
{
    const double t = (point - line.base).dotProduct(line.direction);
    return line.at(extend ? t : clampToRange(line, t));
}

std::vector<Line> splitAtParams(const Line& line, const std::vector<double>& params, const ZcGeTol& tol)
{
    const std::vector<double> cuts = interiorParams(params, line.startParam(), line.endParam(), tol.equalPoint());
    if (cuts.empty()) return {line};
    std::vector<Line> pieces;
    const ZcGePoint3d first = line.at(cuts.front());
    if (line.kind == LineKind::Infinite)
        pieces.push_back(Line::ray(first, -line.direction));
    else
        pieces.push_back(Line::segment(line.base, first));
    for (size_t i = 0; i + 1 < cuts.size(); ++i) pieces.push_back(Line::segment(line.at(cuts[i]), line.at(cuts[i + 1])));
    const ZcGePoint3d last = line.at(cuts.back());
    if (line.kind == LineKind::Segment)
        pieces.push_back(Line::segment(last, line.end));
    else
        pieces.push_back(Line::ray(last, line.direction));
    return pieces;
}

std::vector<Line> splitAtPoints(const Line& line, const std::vector<ZcGePoint3d>& points, const ZcGeTol& tol)
{
    std::vector<double> params;
    for (const ZcGePoint3d& p : points)
        if (const auto t = paramAtPoint(line, p, tol)) params.push_back(*t);
    return splitAtParams(line, params, tol);
}

std::optional<Box> extents(const Line& line)
{
    if (line.kind != LineKind::Segment) return std::nullopt;
    Box box;
    box.add(line.base);
    box.add(line.end);
    return box;
}

std::optional<Line> transformed(const Line& line, const ZcGeMatrix3d& m)
{
    if (line.kind == LineKind::Segment) return Line::segment(m * line.base, m * line.end);
    const ZcGeVector3d dir = m * line.direction;
    if (dir.isZeroLength()) return std::nullopt;
    return line.kind == LineKind::Ray ? Line::ray(m * line.base, dir) : Line::infinite(m * line.base, dir);
}

}  // namespace zrx::geom
