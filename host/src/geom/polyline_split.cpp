// Cutting a polyline path into open pieces at parameters or points.
#include "geom/polyline.h"

#include "geom/split_params.h"

#include <cmath>

namespace zrx::geom {

namespace {

// A parameter a hair away from a vertex is the vertex: no sliver pieces.
double snapToVertex(double param)
{
    const double nearest = std::round(param);
    return std::fabs(param - nearest) <= 1e-12 ? nearest : param;
}

// The open path from parameter `from` to `to`; on a closed path `to` may run past the end
// parameter and continues from vertex 0.
Polyline subPath(const Polyline& pl, double from, double to)
{
    const auto& pieces = pl.pieces();
    const auto& vertices = pl.vertices();
    const int n = static_cast<int>(pieces.size());
    const size_t vertexCount = vertices.size();
    from = snapToVertex(from);
    to = snapToVertex(to);
    const int first = static_cast<int>(std::floor(from));
    const int last = static_cast<int>(std::ceil(to)) - 1;
    std::vector<PolylineVertex> out;
    for (int k = first; k <= last; ++k) {
        const PolylinePiece& piece = pieces[static_cast<size_t>(k % n)];
        const double fa = k == first ? from - first : 0.0;
        const double fb = k == last ? to - last : 1.0;
        PolylineVertex v;
        v.point = fa == 0.0 ? vertices[static_cast<size_t>(k % n)].point : pl.toPlane(piece.at(fa));
        if (piece.isArc) v.bulge = std::copysign(std::tan((fb - fa) * piece.arc.sweep() / 4.0), piece.bulge);
        out.push_back(v);
    }
    const double fEnd = to - last;
    PolylineVertex end;
    end.point = fEnd == 1.0 ? vertices[static_cast<size_t>(last + 1) % vertexCount].point
                            : pl.toPlane(pieces[static_cast<size_t>(last % n)].at(fEnd));
    out.push_back(end);
    return Polyline(std::move(out), false, pl.elevation(), pl.normal());
}

}  // namespace

std::vector<Polyline> splitAtParams(const Polyline& pl, const std::vector<double>& params, const ZcGeTol& tol)
{
    if (pl.pieces().empty()) return {pl};
    const double end = pl.endParam();
    std::vector<Polyline> out;
    if (pl.isClosed()) {
        const std::vector<double> cuts = periodicParams(params, 0.0, end, tol.equalPoint());
        if (cuts.empty()) return {pl};
        for (size_t i = 0; i + 1 < cuts.size(); ++i) out.push_back(subPath(pl, cuts[i], cuts[i + 1]));
        out.push_back(subPath(pl, cuts.back(), cuts.front() + end));
        return out;
    }
    const std::vector<double> cuts = interiorParams(params, 0.0, end, tol.equalPoint());
    if (cuts.empty()) return {pl};
    double from = 0.0;
    for (double c : cuts) {
        out.push_back(subPath(pl, from, c));
        from = c;
    }
    out.push_back(subPath(pl, from, end));
    return out;
}

std::vector<Polyline> splitAtPoints(const Polyline& pl, const std::vector<ZcGePoint3d>& points, const ZcGeTol& tol)
{
    std::vector<double> params;
    for (const ZcGePoint3d& p : points)
        if (const auto t = paramAtPoint(pl, p, tol)) params.push_back(*t);
    return splitAtParams(pl, params, tol);
}

}  // namespace zrx::geom
