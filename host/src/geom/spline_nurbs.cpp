// Checking and assembling spline data, and the plane a spline lies in.
#include "geom/spline_nurbs.h"

#include "geom/spline_eval.h"

#include <algorithm>
#include <cmath>

namespace zrx::geom {

namespace {

// The kernel underneath refuses higher degrees.
constexpr int kMaxDegree = 25;

bool knotsValid(const std::vector<double>& knots, int degree)
{
    if (!std::all_of(knots.begin(), knots.end(), [](double k) { return std::isfinite(k); })) return false;
    if (!std::is_sorted(knots.begin(), knots.end())) return false;
    // A knot repeated more than the degree inside the curve would break it in two.
    size_t run = 1;
    for (size_t i = 1; i <= knots.size(); ++i) {
        if (i < knots.size() && knots[i] == knots[i - 1]) {
            ++run;
            continue;
        }
        const bool atEnd = i - run == 0 || i == knots.size();
        if (run > static_cast<size_t>(degree) + (atEnd ? 1 : 0)) return false;
        run = 1;
    }
    return true;
}

// One period of knots around the control points, carried on by whole periods at both ends.
std::vector<double> unwrapPeriodicKnots(const std::vector<double>& period, int degree)
{
    const int m = static_cast<int>(period.size()) - 1;
    const double span = period.back() - period.front();
    auto at = [&](int j) {
        if (j < 0) return period[static_cast<size_t>(j + m)] - span;
        if (j > m) return period[static_cast<size_t>(j - m)] + span;
        return period[static_cast<size_t>(j)];
    };
    std::vector<double> flat;
    for (int i = 0; i <= m + 2 * degree; ++i) flat.push_back(at(i - degree));
    return flat;
}

}  // namespace

bool isValid(const Nurbs& s)
{
    if (s.degree < 1 || s.degree > kMaxDegree) return false;
    const size_t n = s.controlPoints.size();
    if (n < static_cast<size_t>(s.degree) + 1) return false;
    if (s.knots.size() != n + static_cast<size_t>(s.degree) + 1) return false;
    if (!knotsValid(s.knots, s.degree) || !(s.endParam() > s.startParam())) return false;
    if (s.rational || !s.weights.empty()) {
        if (s.weights.size() != n) return false;
        if (!std::all_of(s.weights.begin(), s.weights.end(), [](double w) { return std::isfinite(w) && w > 0.0; }))
            return false;
    }
    return true;
}

std::optional<Nurbs> makeNurbs(int degree, std::vector<ZcGePoint3d> controlPoints, std::vector<double> knots,
                               std::vector<double> weights, bool periodic, const ZcGeTol& tol)
{
    if (std::all_of(weights.begin(), weights.end(), [](double w) { return w == 1.0; })) weights.clear();
    const size_t p = degree > 0 ? static_cast<size_t>(degree) : 0;
    if (periodic && p > 0 && !controlPoints.empty() && knots.size() == controlPoints.size() + 1) {
        for (size_t i = 0; i < p && !controlPoints.empty(); ++i) {
            controlPoints.push_back(controlPoints[i % controlPoints.size()]);
            if (!weights.empty()) weights.push_back(weights[i % weights.size()]);
        }
        knots = unwrapPeriodicKnots(knots, degree);
    }
    Nurbs s;
    s.degree = degree;
    s.rational = !weights.empty();
    s.periodic = periodic;
    s.controlPoints = std::move(controlPoints);
    s.weights = std::move(weights);
    s.knots = std::move(knots);
    if (!isValid(s)) return std::nullopt;
    refreshShapeFlags(s, tol);
    return s;
}

double modelScale(const Box& box)
{
    if (box.empty) return 1.0;
    double scale = std::max(1.0, box.min.distanceTo(box.max));
    for (unsigned int i = 0; i < 3; ++i) scale = std::max({scale, std::fabs(box.min[i]), std::fabs(box.max[i])});
    return scale;
}

Box controlBox(const Nurbs& s)
{
    Box box;
    for (const ZcGePoint3d& p : s.controlPoints) box.add(p);
    return box;
}

double modelScale(const Nurbs& s) { return modelScale(controlBox(s)); }

std::optional<ZcGePlane> planeOf(const Nurbs& s, const ZcGeTol& tol)
{
    const auto& pts = s.controlPoints;
    if (pts.empty()) return std::nullopt;
    const double eps = tol.equalPoint() * modelScale(s);
    const ZcGePoint3d& origin = pts.front();
    const auto far = std::max_element(pts.begin(), pts.end(), [&](const ZcGePoint3d& a, const ZcGePoint3d& b) {
        return origin.distanceTo(a) < origin.distanceTo(b);
    });
    const ZcGeVector3d hint = s.normal.isZeroLength() ? ZcGeVector3d::kZAxis : s.normal.normal();
    if (origin.distanceTo(*far) <= eps) return ZcGePlane(origin, hint);
    const ZcGeVector3d along = (*far - origin).normal();
    auto offLine = [&](const ZcGePoint3d& p) { return (p - origin).crossProduct(along).length(); };
    const auto wide = std::max_element(pts.begin(), pts.end(),
                                       [&](const ZcGePoint3d& a, const ZcGePoint3d& b) { return offLine(a) < offLine(b); });
    if (offLine(*wide) <= eps) {
        // Straight: any plane through the line holds it.
        for (const ZcGeVector3d& n : {hint, ZcGeVector3d::kZAxis})
            if (std::fabs(n.dotProduct(along)) <= tol.equalVector()) return ZcGePlane(origin, n);
        return ZcGePlane(origin, along.perpVector());
    }
    ZcGeVector3d n = along.crossProduct(*wide - origin).normal();
    if (n.dotProduct(hint) < 0.0) n = -n;
    for (const ZcGePoint3d& p : pts)
        if (std::fabs((p - origin).dotProduct(n)) > eps) return std::nullopt;
    return ZcGePlane(origin, n);
}

void refreshShapeFlags(Nurbs& s, const ZcGeTol& tol)
{
    s.closed = isClosed(s, tol);
    const auto plane = planeOf(s, tol);
    s.normal = plane ? plane->normal() : ZcGeVector3d();
}

}  // namespace zrx::geom
