// The light-weight polyline path: building the pieces from vertices and bulges, and the
// queries that walk along it.
#include "geom/polyline.h"

#include "geom/angle.h"

#include <algorithm>
#include <cmath>

namespace zrx::geom {

namespace {

PolylinePiece makePiece(const Polyline& pl, const PolylineVertex& from, const ZcGePoint2d& to)
{
    PolylinePiece piece;
    piece.start = pl.toWorld(from.point);
    piece.end = pl.toWorld(to);
    const ZcGeVector2d chord = to - from.point;
    const double b = from.bulge;
    if (std::fabs(b) <= kStraightBulge || chord.length() == 0.0) return piece;

    piece.isArc = true;
    piece.bulge = b;
    piece.clockwise = b < 0.0;
    const double c = chord.length();
    const double sweep = 4.0 * std::atan(std::fabs(b));
    // The centre sits on the chord's bisector; its side follows from the bulge's sign and
    // whether the arc is more than a half circle.
    const ZcGePoint2d mid = from.point + chord * 0.5;
    const ZcGePoint2d center2d = mid + chord.perpVector() / c * (c * 0.5 * (1.0 - b * b) / (2.0 * b));
    const double radius = c * (1.0 + b * b) / (4.0 * std::fabs(b));
    const ZcGePoint2d& first = piece.clockwise ? to : from.point;
    const double start = std::atan2(first.y - center2d.y, first.x - center2d.x);
    piece.arc = Arc::makeArc(pl.toWorld(center2d), radius, pl.normal(), start, start);
    piece.arc.endAngle = piece.arc.startAngle + sweep;
    return piece;
}

}  // namespace

ZcGePoint3d PolylinePiece::at(double fraction) const
{
    if (fraction <= 0.0) return start;
    if (fraction >= 1.0) return end;
    if (!isArc) return start + (end - start) * fraction;
    return arc.at(angleAt(fraction));
}

double PolylinePiece::angleAt(double fraction) const
{
    return clockwise ? arc.endAngle - fraction * arc.sweep() : arc.startAngle + fraction * arc.sweep();
}

double PolylinePiece::fractionAt(double angle) const
{
    return clockwise ? (arc.endAngle - angle) / arc.sweep() : (angle - arc.startAngle) / arc.sweep();
}

std::optional<double> PolylinePiece::fractionOf(const ZcGePoint3d& point, const ZcGeTol& tol) const
{
    if (isArc) {
        const auto angle = paramAtPoint(arc, point, tol);
        if (!angle) return std::nullopt;
        return std::clamp(fractionAt(*angle), 0.0, 1.0);
    }
    const Line seg = Line::segment(start, end);
    if (seg.length == 0.0) return point.isEqualTo(start, tol) ? std::optional<double>(0.0) : std::nullopt;
    const auto t = paramAtPoint(seg, point, tol);
    if (!t) return std::nullopt;
    return *t / seg.length;
}

ZcGeVector3d PolylinePiece::derivative(double fraction) const
{
    if (!isArc) return end - start;
    const double angle = angleAt(fraction);
    const ZcGeVector3d x = arc.xAxis();
    const ZcGeVector3d y = arc.normal.crossProduct(x);
    const ZcGeVector3d dAngle = (y * std::cos(angle) - x * std::sin(angle)) * arc.radius;
    return dAngle * (clockwise ? -arc.sweep() : arc.sweep());
}

Polyline::Polyline(std::vector<PolylineVertex> vertices, bool closed, double elevation, const ZcGeVector3d& normal)
    : m_vertices(std::move(vertices)), m_closed(closed), m_elevation(elevation),
      m_normal(normal.isZeroLength() ? ZcGeVector3d::kZAxis : normal.normal())
{
    m_toWorld = ZcGeMatrix3d::planeToWorld(m_normal);
    m_toPlane = m_toWorld.inverse();
    const size_t n = m_vertices.size();
    const size_t count = n < 2 ? 0 : (m_closed ? n : n - 1);
    m_cumulative.push_back(0.0);
    for (size_t i = 0; i < count; ++i) {
        m_pieces.push_back(makePiece(*this, m_vertices[i], m_vertices[(i + 1) % n].point));
        m_cumulative.push_back(m_cumulative.back() + m_pieces.back().length());
    }
}

ZcGePoint3d Polyline::toWorld(const ZcGePoint2d& p) const { return m_toWorld * ZcGePoint3d(p.x, p.y, m_elevation); }

ZcGePoint3d Polyline::toWorld(const ZcGePoint2d& p, double elevation, const ZcGeVector3d& normal)
{
    const ZcGeVector3d n = normal.isZeroLength() ? ZcGeVector3d::kZAxis : normal.normal();
    return ZcGeMatrix3d::planeToWorld(n) * ZcGePoint3d(p.x, p.y, elevation);
}

ZcGePoint2d Polyline::toPlane(const ZcGePoint3d& p) const
{
    const ZcGePoint3d local = m_toPlane * p;
    return {local.x, local.y};
}

void Polyline::locate(double param, int& piece, double& fraction) const
{
    const int last = static_cast<int>(m_pieces.size()) - 1;
    piece = std::clamp(static_cast<int>(std::floor(param)), 0, std::max(last, 0));
    fraction = std::clamp(param - piece, 0.0, 1.0);
}

ZcGePoint3d Polyline::at(double param) const
{
    if (m_pieces.empty()) return toWorld(m_vertices.front().point);
    int piece = 0;
    double fraction = 0.0;
    locate(param, piece, fraction);
    return m_pieces[static_cast<size_t>(piece)].at(fraction);
}

std::optional<ZcGePoint3d> startPoint(const Polyline& pl)
{
    if (pl.vertices().empty()) return std::nullopt;
    return pl.at(pl.startParam());
}

std::optional<ZcGePoint3d> endPoint(const Polyline& pl)
{
    if (pl.vertices().empty()) return std::nullopt;
    return pl.at(pl.endParam());
}

namespace {

bool paramInRange(const Polyline& pl, double param, const ZcGeTol& tol)
{
    return !pl.vertices().empty() && std::isfinite(param) && param >= pl.startParam() - tol.equalPoint() &&
           param <= pl.endParam() + tol.equalPoint();
}

}  // namespace

std::optional<ZcGePoint3d> pointAtParam(const Polyline& pl, double param, const ZcGeTol& tol)
{
    if (!paramInRange(pl, param, tol)) return std::nullopt;
    return pl.at(param);
}

std::optional<double> paramAtPoint(const Polyline& pl, const ZcGePoint3d& point, const ZcGeTol& tol)
{
    if (pl.vertices().empty()) return std::nullopt;
    if (pl.pieces().empty()) return point.isEqualTo(pl.at(0.0), tol) ? std::optional<double>(0.0) : std::nullopt;
    for (size_t i = 0; i < pl.pieces().size(); ++i)
        if (const auto f = pl.pieces()[i].fractionOf(point, tol)) return static_cast<double>(i) + *f;
    return std::nullopt;
}

std::optional<double> distAtParam(const Polyline& pl, double param, const ZcGeTol& tol)
{
    if (!paramInRange(pl, param, tol)) return std::nullopt;
    if (pl.pieces().empty()) return 0.0;
    int piece = 0;
    double fraction = 0.0;
    pl.locate(param, piece, fraction);
    return pl.lengthBefore(piece) + fraction * pl.pieces()[static_cast<size_t>(piece)].length();
}

std::optional<double> paramAtDist(const Polyline& pl, double dist, const ZcGeTol& tol)
{
    if (pl.vertices().empty() || !std::isfinite(dist) || dist < -tol.equalPoint() ||
        dist > pl.length() + tol.equalPoint())
        return std::nullopt;
    const auto& pieces = pl.pieces();
    for (size_t i = 0; i < pieces.size(); ++i) {
        const double len = pieces[i].length();
        if (len > 0.0 && dist <= pl.lengthBefore(static_cast<int>(i)) + len)
            return static_cast<double>(i) + std::clamp((dist - pl.lengthBefore(static_cast<int>(i))) / len, 0.0, 1.0);
    }
    return pl.endParam();
}

std::optional<ZcGeVector3d> firstDeriv(const Polyline& pl, double param, const ZcGeTol& tol)
{
    if (!paramInRange(pl, param, tol) || pl.pieces().empty()) return std::nullopt;
    int piece = 0;
    double fraction = 0.0;
    pl.locate(param, piece, fraction);
    return pl.pieces()[static_cast<size_t>(piece)].derivative(fraction);
}

ZcGePoint3d closestPointTo(const Polyline& pl, const ZcGePoint3d& point, bool extend)
{
    const auto& pieces = pl.pieces();
    if (pl.vertices().empty()) return point;
    if (pieces.empty()) return pl.at(0.0);
    ZcGePoint3d best;
    double bestDist = HUGE_VAL;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const PolylinePiece& piece = pieces[i];
        const bool backwards = extend && !pl.isClosed() && i == 0;
        const bool forwards = extend && !pl.isClosed() && i + 1 == pieces.size();
        ZcGePoint3d p;
        if (piece.isArc) {
            p = closestPointTo(piece.arc, point, backwards || forwards);
        } else if (backwards && forwards) {
            p = closestPointTo(Line::segment(piece.start, piece.end), point, true);
        } else if (backwards) {
            p = closestPointTo(Line::ray(piece.end, piece.start - piece.end), point, false);
        } else if (forwards) {
            p = closestPointTo(Line::ray(piece.start, piece.end - piece.start), point, false);
        } else {
            p = closestPointTo(Line::segment(piece.start, piece.end), point, false);
        }
        const double d = p.distanceTo(point);
        if (d < bestDist) {
            bestDist = d;
            best = p;
        }
    }
    return best;
}

Box extents(const Polyline& pl)
{
    Box box;
    if (pl.vertices().empty()) return box;
    box.add(pl.at(0.0));
    for (const PolylinePiece& piece : pl.pieces()) {
        box.add(piece.end);
        if (piece.isArc) box.add(extents(piece.arc));
    }
    return box;
}

}  // namespace zrx::geom
