// Breaking curves into straight and circular spans for intersection.
#include "geom/span.h"

#include "geom/angle.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zrx::geom {

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

Span straight(const ZcGePoint3d& base, const ZcGeVector3d& dir, double t0, double t1)
{
    Span s;
    s.base = base;
    s.dir = dir;
    s.t0 = t0;
    s.t1 = t1;
    return s;
}

Span circular(const Arc& arc, double a0, double a1)
{
    Span s;
    s.isArc = true;
    s.center = arc.center;
    s.radius = arc.radius;
    s.normal = arc.normal;
    s.xAxis = arc.xAxis();
    s.yAxis = arc.yAxis();
    s.a0 = a0;
    s.a1 = a1;
    return s;
}

std::vector<Span> spans(const Line& line, bool extend)
{
    if (line.kind == LineKind::Segment && line.length == 0.0) return {};
    if (extend) return {straight(line.base, line.direction, -kInf, kInf)};
    return {straight(line.base, line.direction, line.startParam(), line.endParam())};
}

std::vector<Span> spans(const Arc& arc, bool extend)
{
    if (arc.radius <= 0.0) return {};
    // An extended arc is its circle, its parameters running on past the end angle.
    return {circular(arc, arc.startAngle, extend ? arc.startAngle + kTwoPi : arc.endAngle)};
}

std::vector<Span> spans(const Polyline& pl, bool extend)
{
    const auto& pieces = pl.pieces();
    std::vector<size_t> usable;
    for (size_t i = 0; i < pieces.size(); ++i)
        if (pieces[i].isArc || pieces[i].length() > 0.0) usable.push_back(i);
    std::vector<Span> out;
    for (size_t i : usable) {
        const PolylinePiece& piece = pieces[i];
        const bool open = extend && !pl.isClosed();
        const bool forwards = open && i == usable.back();
        const bool backwards = open && i == usable.front() && !forwards;
        Span s;
        if (piece.isArc) {
            const Arc& arc = piece.arc;
            // Forwards runs on past the travel's end, backwards runs back before its start;
            // a single extended piece takes the rest of the circle as forwards.
            const bool pastEndAngle = forwards != piece.clockwise;
            double a0 = arc.startAngle, a1 = arc.endAngle;
            if (forwards || backwards) {
                if (pastEndAngle) a1 = a0 + kTwoPi;
                else a0 = a1 - kTwoPi;
            }
            s = circular(arc, a0, a1);
            s.seamAtEnd = (forwards || backwards) && !pastEndAngle;
            s.ownerScale = (piece.clockwise ? -1.0 : 1.0) / arc.sweep();
            s.localOrigin = piece.clockwise ? arc.endAngle : arc.startAngle;
        } else {
            const double len = piece.length();
            s = straight(piece.start, (piece.end - piece.start) / len, backwards || (forwards && i == usable.front()) ? -kInf : 0.0,
                         forwards ? kInf : len);
            s.ownerScale = 1.0 / len;
        }
        s.ownerBase = static_cast<double>(i);
        out.push_back(s);
    }
    return out;
}

}  // namespace

std::optional<double> Span::localParam(const ZcGePoint3d& point, const ZcGeTol& tol) const
{
    const double eps = tol.equalPoint();
    if (!isArc) {
        const double t = (point - base).dotProduct(dir);
        if (t < t0 - eps || t > t1 + eps) return std::nullopt;
        return std::clamp(t, t0, t1);
    }
    const ZcGeVector3d v = point - center;
    const double angTol = eps / radius;
    const double angle = std::atan2(v.dotProduct(yAxis), v.dotProduct(xAxis));
    const double from = a0 - angTol;
    double a = from + normalizeAngle(angle - from);
    if (a > a1 + angTol) return std::nullopt;
    if (seamAtEnd && a + kTwoPi <= a1 + angTol) a += kTwoPi;
    return std::clamp(a, a0, a1);
}

std::vector<Span> spansOf(const Curve& curve, bool extend)
{
    return std::visit([&](const auto& c) { return spans(c, extend); }, curve);
}

}  // namespace zrx::geom
