// ZcDbCurve answers for closed-form curves, computed by the geometry kernel.
#include "ent/kernel_curve.h"
#include "ent/optional_status.h"

#include <cmath>

#include "geom/angle.h"

namespace geom = zrx::geom;

namespace zrxent {

std::optional<geom::Curve> kernelOf(const ZcDbEntity* e)
{
    if (e == nullptr) return std::nullopt;
    if (auto* p = ZcDbLine::cast(e)) return kernelOf(*p);
    if (auto* p = ZcDbPolyline::cast(e)) return kernelOf(*p);
    if (auto* p = ZcDbArc::cast(e)) return kernelOf(*p);
    if (auto* p = ZcDbCircle::cast(e)) return kernelOf(*p);
    if (auto* p = ZcDbRay::cast(e)) return kernelOf(*p);
    if (auto* p = ZcDbXline::cast(e)) return kernelOf(*p);
    if (auto* p = ZcDbLeader::cast(e)) return kernelOf(*p);
    return std::nullopt;
}

ZcDbCurve* entityFor(const geom::Curve& c, const ZcDbEntity& props)
{
    ZcDbCurve* out = nullptr;
    if (const auto* l = std::get_if<geom::Line>(&c)) {
        switch (l->kind) {
        case geom::LineKind::Segment: out = new ZcDbLine(l->base, l->end); break;
        case geom::LineKind::Ray: {
            auto* r = new ZcDbRay;
            r->setBasePoint(l->base);
            r->setUnitDir(l->direction);
            out = r;
            break;
        }
        case geom::LineKind::Infinite: {
            auto* x = new ZcDbXline;
            x->setBasePoint(l->base);
            x->setUnitDir(l->direction);
            out = x;
            break;
        }
        }
    } else if (const auto* a = std::get_if<geom::Arc>(&c)) {
        if (a->sweep() >= geom::kTwoPi - 1e-12) {
            out = new ZcDbCircle(a->center, a->normal, a->radius);
        } else {
            out = new ZcDbArc(a->center, a->normal, a->radius, a->startAngle, a->endAngle);
        }
    } else if (const auto* pl = std::get_if<geom::Polyline>(&c)) {
        auto* p = new ZcDbPolyline;
        assignFrom(*p, *pl);
        out = p;
    }
    if (out != nullptr) out->setPropertiesFrom(&props);
    return out;
}

Zcad::ErrorStatus startParam(const geom::Curve& c, double& p)
{
    p = geom::startParam(c);
    return std::isfinite(p) ? Zcad::eOk : Zcad::eNotApplicable;
}

Zcad::ErrorStatus endParam(const geom::Curve& c, double& p)
{
    p = geom::endParam(c);
    return std::isfinite(p) ? Zcad::eOk : Zcad::eNotApplicable;
}


Zcad::ErrorStatus startPoint(const geom::Curve& c, ZcGePoint3d& p)
{
    if (Zcad::ErrorStatus es = give(geom::startPoint(c), p); es != Zcad::eOk) return Zcad::eNotApplicable;
    return Zcad::eOk;
}

Zcad::ErrorStatus endPoint(const geom::Curve& c, ZcGePoint3d& p)
{
    if (Zcad::ErrorStatus es = give(geom::endPoint(c), p); es != Zcad::eOk) return Zcad::eNotApplicable;
    return Zcad::eOk;
}

Zcad::ErrorStatus pointAtParam(const geom::Curve& c, double t, ZcGePoint3d& p) { return give(geom::pointAtParam(c, t), p); }
Zcad::ErrorStatus paramAtPoint(const geom::Curve& c, const ZcGePoint3d& p, double& t) { return give(geom::paramAtPoint(c, p), t); }
Zcad::ErrorStatus distAtParam(const geom::Curve& c, double t, double& d) { return give(geom::distAtParam(c, t), d); }
Zcad::ErrorStatus paramAtDist(const geom::Curve& c, double d, double& t) { return give(geom::paramAtDist(c, d), t); }
Zcad::ErrorStatus firstDeriv(const geom::Curve& c, double t, ZcGeVector3d& v) { return give(geom::firstDeriv(c, t), v); }

Zcad::ErrorStatus closestPoint(const geom::Curve& c, const ZcGePoint3d& given, ZcGePoint3d& on, bool extend)
{
    on = geom::closestPointTo(c, given, extend);
    return Zcad::eOk;
}

Zcad::ErrorStatus splitCurves(const geom::Curve& c, const ZcGeDoubleArray& params, const ZcDbEntity& props,
                              ZcDbVoidPtrArray& pieces)
{
    std::vector<double> ps(params.begin(), params.end());
    std::vector<geom::Curve> parts = geom::splitAtParams(c, ps);
    if (parts.empty()) return Zcad::eInvalidInput;
    for (const geom::Curve& part : parts) {
        if (ZcDbCurve* e = entityFor(part, props)) pieces.append(e);
    }
    return Zcad::eOk;
}

Zcad::ErrorStatus extents(const geom::Curve& c, ZcDbExtents& ext)
{
    std::optional<geom::Box> box = geom::extents(c);
    if (!box || box->empty) return Zcad::eInvalidExtents;
    ext.set(box->min, box->max);
    return Zcad::eOk;
}

}  // namespace zrxent
