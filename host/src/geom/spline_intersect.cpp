// Intersections involving splines: the pieces each operand counts as under the extension
// mode, the meetings of every pair of pieces, then ordering along the first operand and
// merging of points found twice (at a shared end, or by two pieces).
#include "geom/spline_intersect.h"

#include "geom/span.h"
#include "geom/spline_crossings.h"
#include "geom/spline_eval.h"

#include <algorithm>
#include <limits>

namespace zrx::geom {

namespace {

using crossing::Body;
using crossing::Tolerances;

bool extendsFirst(Extend mode) { return mode == Extend::This || mode == Extend::Both; }
bool extendsSecond(Extend mode) { return mode == Extend::Arg || mode == Extend::Both; }

struct Hit {
    ZcGePoint3d point;
    double key = 0.0;   // position along the first operand
};

// A ray an extended open spline carries on along, out of one end. Points on it sort before
// the start or after the end by their distance from that end.
struct EndRay {
    Line ray;
    double endParam = 0.0;
    double sense = 1.0;

    double key(const ZcGePoint3d& p) const { return endParam + sense * ray.base.distanceTo(p); }
};

std::vector<EndRay> endRays(const Nurbs& s, bool extend)
{
    if (!extend || isClosed(s)) return {};
    std::vector<EndRay> out;
    for (const auto& [param, sense] : {std::pair(s.startParam(), -1.0), std::pair(s.endParam(), 1.0)}) {
        const auto base = pointAtParam(s, param);
        const auto d = firstDeriv(s, param);
        if (!base || !d || d->isZeroLength()) continue;
        out.push_back({Line::ray(*base, d->normal() * sense), param, sense});
    }
    return out;
}

Span spanOf(const Line& ray) { return spansOf(Curve(ray), false).front(); }

// A closed-form curve's own parameter of a point on it, its extension included.
double curveKey(const std::vector<Span>& spans, const ZcGePoint3d& p, const ZcGeTol& tol)
{
    for (const Span& s : spans)
        if (const auto local = s.localParam(p, tol)) return s.ownerParam(*local);
    return std::numeric_limits<double>::infinity();
}

double size(const Box& box) { return box.empty ? 0.0 : box.min.distanceTo(box.max); }

struct Precision {
    Tolerances crossing;
    double merge = 0.0;
    ZcGeTol loose;   // for the closed-form kernel, at the same precision
};

Precision precisionFor(const Box& all, double smallerSize, const ZcGeTol& tol)
{
    const double scale = modelScale(all);
    Precision p;
    p.crossing.onBoth = std::max(tol.equalPoint(), 1e-9 * scale);
    p.crossing.stretch = std::max(p.crossing.onBoth, 1e-2 * smallerSize);
    p.merge = std::max(tol.equalPoint(), 1e-7 * scale);
    p.loose = tol;
    p.loose.setEqualPoint(p.crossing.onBoth);
    return p;
}

std::vector<ZcGePoint3d> ordered(std::vector<Hit> hits, double merge)
{
    std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.key < b.key; });
    std::vector<ZcGePoint3d> out;
    for (const Hit& h : hits) {
        const bool seen = std::any_of(out.begin(), out.end(), [&](const ZcGePoint3d& p) { return p.distanceTo(h.point) <= merge; });
        if (!seen) out.push_back(h.point);
    }
    return out;
}

std::vector<ZcGePoint3d> splineAndCurve(const Nurbs& spline, bool extendSpline, const Curve& curve, bool extendCurve,
                                        bool splineFirst, const ZcGeTol& tol)
{
    const auto a = crossing::prepare(spline, tol);
    if (!a) return {};
    const std::vector<Span> spans = spansOf(curve, extendCurve);
    Box all = a->box;
    for (const Span& s : spans) all.add(s.isArc ? s.center : s.base);
    const auto bounded = extents(curve);
    const double smaller = bounded && !bounded->empty ? std::min(size(a->box), size(*bounded)) : size(a->box);
    const Precision prec = precisionFor(all, smaller, tol);

    std::vector<Hit> hits;
    for (const Span& s : spans)
        for (const auto& c : crossing::crossings(*a, s, prec.crossing))
            hits.push_back({c.point, splineFirst ? c.onFirst : s.ownerParam(c.onSecond)});
    for (const EndRay& r : endRays(spline, extendSpline))
        for (const ZcGePoint3d& p : intersectWith(Curve(r.ray), curve, extendCurve ? Extend::Arg : Extend::None, prec.loose))
            hits.push_back({p, splineFirst ? r.key(p) : curveKey(spans, p, prec.loose)});
    return ordered(std::move(hits), prec.merge);
}

std::vector<ZcGePoint3d> twoSplines(const Nurbs& first, const Nurbs& second, Extend mode, const ZcGeTol& tol)
{
    const auto a = crossing::prepare(first, tol);
    const auto b = crossing::prepare(second, tol);
    if (!a || !b) return {};
    Box all = a->box;
    all.add(b->box);
    const Precision prec = precisionFor(all, std::min(size(a->box), size(b->box)), tol);

    std::vector<Hit> hits;
    for (const auto& c : crossing::crossings(*a, *b, prec.crossing)) hits.push_back({c.point, c.onFirst});
    const std::vector<EndRay> raysB = endRays(second, extendsSecond(mode));
    for (const EndRay& r : endRays(first, extendsFirst(mode))) {
        for (const auto& c : crossing::crossings(*b, spanOf(r.ray), prec.crossing)) hits.push_back({c.point, r.key(c.point)});
        for (const EndRay& q : raysB)
            for (const ZcGePoint3d& p : intersectWith(Curve(r.ray), Curve(q.ray), Extend::None, prec.loose))
                hits.push_back({p, r.key(p)});
    }
    for (const EndRay& q : raysB)
        for (const auto& c : crossing::crossings(*a, spanOf(q.ray), prec.crossing)) hits.push_back({c.point, c.onFirst});
    return ordered(std::move(hits), prec.merge);
}

}  // namespace

std::vector<ZcGePoint3d> intersectWith(const Nurbs& first, const Nurbs& second, Extend mode, const ZcGeTol& tol)
{
    return occt::guarded([&] { return twoSplines(first, second, mode, tol); });
}

std::vector<ZcGePoint3d> intersectWith(const Nurbs& first, const Curve& second, Extend mode, const ZcGeTol& tol)
{
    return occt::guarded([&] { return splineAndCurve(first, extendsFirst(mode), second, extendsSecond(mode), true, tol); });
}

std::vector<ZcGePoint3d> intersectWith(const Curve& first, const Nurbs& second, Extend mode, const ZcGeTol& tol)
{
    return occt::guarded([&] { return splineAndCurve(second, extendsSecond(mode), first, extendsFirst(mode), false, tol); });
}

}  // namespace zrx::geom
