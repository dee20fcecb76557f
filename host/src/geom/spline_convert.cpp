// Building splines from lines and arcs piece by piece, as chains of Bezier stretches.
#include "geom/spline_convert.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace zrx::geom {

namespace {

// Stretches joined end to end, each knot between two of them repeated degree times: the
// chain is as smooth as its pieces, no smoother.
struct Chain {
    int degree = 1;
    std::vector<ZcGePoint3d> points;
    std::vector<double> weights;
    std::vector<double> breaks;   // length travelled at each stretch's start, and at the end

    void start(const ZcGePoint3d& p)
    {
        if (!points.empty()) return;
        points.push_back(p);
        weights.push_back(1.0);
        breaks.push_back(0.0);
    }
    void addLine(const ZcGePoint3d& from, const ZcGePoint3d& to)
    {
        start(from);
        if (degree == 2) {
            points.push_back(from + (to - from) * 0.5);
            weights.push_back(1.0);
        }
        points.push_back(to);
        weights.push_back(1.0);
        breaks.push_back(breaks.back() + from.distanceTo(to));
    }
    // A circular stretch given by its centre and its point at each fraction of the sweep,
    // cut into quarter turns at most, each a rational quadratic.
    void addArc(const ZcGePoint3d& center, double radius, double sweep, const std::function<ZcGePoint3d(double)>& at)
    {
        const int parts = std::max(1, static_cast<int>(std::ceil(sweep / (std::numbers::pi / 2) - 1e-9)));
        const double half = sweep / parts / 2.0;
        start(at(0.0));
        for (int i = 0; i < parts; ++i) {
            const ZcGePoint3d a = at(static_cast<double>(i) / parts);
            const ZcGePoint3d b = at(static_cast<double>(i + 1) / parts);
            const ZcGePoint3d mid = a + (b - a) * 0.5;
            // Where the end tangents cross: the chord's middle pushed out by 1/cos² of half the turn.
            points.push_back(center + (mid - center) / (std::cos(half) * std::cos(half)));
            weights.push_back(std::cos(half));
            points.push_back(b);
            weights.push_back(1.0);
            breaks.push_back(breaks.back() + radius * 2.0 * half);
        }
    }

    std::optional<Nurbs> finish(const ZcGeVector3d& normalHint, const ZcGeTol& tol) const
    {
        if (breaks.size() < 2 || breaks.back() <= 0.0) return std::nullopt;
        Nurbs s;
        s.degree = degree;
        s.controlPoints = points;
        if (degree == 2) {
            s.weights = weights;
            s.rational = true;
        }
        for (size_t i = 0; i < breaks.size(); ++i) {
            const bool end = i == 0 || i + 1 == breaks.size();
            s.knots.insert(s.knots.end(), static_cast<size_t>(degree + (end ? 1 : 0)), breaks[i]);
        }
        s.normal = normalHint;
        if (!isValid(s)) return std::nullopt;
        refreshShapeFlags(s, tol);
        return s;
    }
};

}  // namespace

std::optional<Nurbs> nurbsFromArc(const Arc& arc, const ZcGeTol& tol)
{
    if (arc.radius <= 0.0) return std::nullopt;
    Chain chain;
    chain.degree = 2;
    chain.addArc(arc.center, arc.radius, arc.sweep(),
                 [&](double f) { return arc.at(arc.startAngle + f * arc.sweep()); });
    return chain.finish(arc.normal, tol);
}

std::optional<Nurbs> nurbsFromPolyline(const Polyline& pl, const ZcGeTol& tol)
{
    Chain chain;
    for (const PolylinePiece& piece : pl.pieces())
        if (piece.isArc) chain.degree = 2;
    for (const PolylinePiece& piece : pl.pieces()) {
        if (!(piece.length() > 0.0)) continue;
        if (piece.isArc)
            chain.addArc(piece.arc.center, piece.arc.radius, piece.arc.sweep(), [&](double f) { return piece.at(f); });
        else
            chain.addLine(piece.start, piece.end);
    }
    return chain.finish(pl.normal(), tol);
}

}  // namespace zrx::geom
