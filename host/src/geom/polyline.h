// The light-weight polyline path: 2D vertices in the plane of a normal (the entity OCS) at
// an elevation, each with the bulge of the piece that leaves it (tan of a quarter of the
// included angle, negative for clockwise). Piece i runs from vertex i to vertex i+1, and a
// closed path has a last piece back to vertex 0. The parameter is vertex index plus the
// fraction of the piece travelled, the fraction being proportional to the swept angle on
// an arc piece, as on the platform.
#pragma once

#include "geom/arc.h"
#include "geom/line.h"
#include "zrx/ge_point2d.h"

#include <optional>
#include <vector>

namespace zrx::geom {

struct PolylineVertex {
    ZcGePoint2d point;
    double bulge = 0.0;
};

struct ZRX_API PolylinePiece {
    bool isArc = false;
    ZcGePoint3d start;            // world images of the two vertices, kept exact
    ZcGePoint3d end;
    Arc arc;                      // arc pieces: counter-clockwise about the polyline normal
    bool clockwise = false;       // travelled from arc.endAngle back to arc.startAngle
    double bulge = 0.0;

    double length() const { return isArc ? arc.length() : start.distanceTo(end); }
    ZcGePoint3d at(double fraction) const;
    double angleAt(double fraction) const;   // arc pieces
    double fractionAt(double angle) const;   // arc pieces, angle within the arc's range
    // Fraction of a point on the piece, within tolerance.
    std::optional<double> fractionOf(const ZcGePoint3d& point, const ZcGeTol& tol) const;
    // d(point)/d(fraction).
    ZcGeVector3d derivative(double fraction) const;
};

class ZRX_API Polyline {
public:
    Polyline() = default;
    // A zero normal stands for the world Z axis, as a missing extrusion does in a drawing.
    Polyline(std::vector<PolylineVertex> vertices, bool closed, double elevation = 0.0,
             const ZcGeVector3d& normal = ZcGeVector3d::kZAxis);

    const std::vector<PolylineVertex>& vertices() const { return m_vertices; }
    bool isClosed() const { return m_closed; }
    double elevation() const { return m_elevation; }
    const ZcGeVector3d& normal() const { return m_normal; }
    const std::vector<PolylinePiece>& pieces() const { return m_pieces; }
    double startParam() const { return 0.0; }
    double endParam() const { return static_cast<double>(m_pieces.size()); }
    double length() const { return m_cumulative.empty() ? 0.0 : m_cumulative.back(); }

    ZcGePoint3d toWorld(const ZcGePoint2d& p) const;
    // The same for a plane given by its elevation and normal (zero for the world Z axis),
    // without making a path.
    static ZcGePoint3d toWorld(const ZcGePoint2d& p, double elevation, const ZcGeVector3d& normal);
    // Plane coordinates of a point's projection.
    ZcGePoint2d toPlane(const ZcGePoint3d& p) const;
    // Evaluation for a parameter already known to be in range.
    ZcGePoint3d at(double param) const;
    // Piece index and fraction of an in-range parameter; the end parameter is the end of
    // the last piece.
    void locate(double param, int& piece, double& fraction) const;
    // Length of the path before a piece starts.
    double lengthBefore(int piece) const { return m_cumulative[static_cast<size_t>(piece)]; }

private:
    std::vector<PolylineVertex> m_vertices;
    bool m_closed = false;
    double m_elevation = 0.0;
    ZcGeVector3d m_normal{0, 0, 1};
    ZcGeMatrix3d m_toWorld;
    ZcGeMatrix3d m_toPlane;
    std::vector<PolylinePiece> m_pieces;
    std::vector<double> m_cumulative;   // length before each piece, and the total last
};

// Bulges below this magnitude are straight pieces.
inline constexpr double kStraightBulge = 1e-10;

// An empty path has no ends.
ZRX_API std::optional<ZcGePoint3d> startPoint(const Polyline& pl);
ZRX_API std::optional<ZcGePoint3d> endPoint(const Polyline& pl);
ZRX_API std::optional<ZcGePoint3d> pointAtParam(const Polyline& pl, double param,
                                                const ZcGeTol& tol = ZcGeContext::gTol);
// The lowest parameter where the path passes through the point.
ZRX_API std::optional<double> paramAtPoint(const Polyline& pl, const ZcGePoint3d& point,
                                           const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::optional<double> distAtParam(const Polyline& pl, double param, const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::optional<double> paramAtDist(const Polyline& pl, double dist, const ZcGeTol& tol = ZcGeContext::gTol);
// At a vertex, the derivative of the piece that leaves it (of the last piece at the end).
ZRX_API std::optional<ZcGeVector3d> firstDeriv(const Polyline& pl, double param,
                                               const ZcGeTol& tol = ZcGeContext::gTol);
// With extend, an open path's first piece continues backwards and its last piece forwards
// along their own geometry: a straight piece as a ray, an arc piece round its whole circle.
// An empty path answers the point itself.
ZRX_API ZcGePoint3d closestPointTo(const Polyline& pl, const ZcGePoint3d& point, bool extend);
// Pieces in order, each an open path with the same plane and elevation. A closed path is
// cut at every parameter, the last piece running on through vertex 0 to the first cut; the
// start parameter is a valid cut there. No usable parameter: one piece, the path itself.
ZRX_API std::vector<Polyline> splitAtParams(const Polyline& pl, const std::vector<double>& params,
                                            const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::vector<Polyline> splitAtPoints(const Polyline& pl, const std::vector<ZcGePoint3d>& points,
                                            const ZcGeTol& tol = ZcGeContext::gTol);
// Empty for an empty path.
ZRX_API Box extents(const Polyline& pl);
// Fails for a transform that maps the plane onto a line, and for non-uniform scaling of a
// path with arc pieces. A mirror negates the bulges.
ZRX_API std::optional<Polyline> transformed(const Polyline& pl, const ZcGeMatrix3d& m);

}  // namespace zrx::geom
