// Lines, rays and construction lines.
#include "db_line.h"

#include "ent/kernel_curve.h"
#include "db/rx_define.h"

namespace geom = zrx::geom;

ZCRX_DEFINE_MEMBERS(ZcDbLine, ZcDbCurve, "AcDbLine", "LINE")
ZCRX_DEFINE_MEMBERS(ZcDbRay, ZcDbCurve, "AcDbRay", "RAY")
ZCRX_DEFINE_MEMBERS(ZcDbXline, ZcDbCurve, "AcDbXline", "XLINE")
ZCRX_DEFINE_CLONE(ZcDbLine)
ZCRX_DEFINE_CLONE(ZcDbRay)
ZCRX_DEFINE_CLONE(ZcDbXline)
ZRXENT_DEFINE_KERNEL_CURVE(ZcDbLine)
ZRXENT_DEFINE_KERNEL_CURVE(ZcDbRay)
ZRXENT_DEFINE_KERNEL_CURVE(ZcDbXline)

namespace {
Zcad::ErrorStatus unitOf(const ZcGeVector3d& v, ZcGeVector3d& out)
{
    if (v.isZeroLength()) return Zcad::eDegenerateGeometry;
    out = v.normal();
    return Zcad::eOk;
}

const geom::Line* lineOf(const geom::Curve& c, geom::LineKind kind)
{
    const auto* l = std::get_if<geom::Line>(&c);
    return (l != nullptr && l->kind == kind) ? l : nullptr;
}
}  // namespace

Zcad::ErrorStatus ZcDbLine::setNormal(const ZcGeVector3d& n)
{
    assertWriteEnabled();
    return unitOf(n, m_normal);
}

Zcad::ErrorStatus ZcDbRay::setUnitDir(const ZcGeVector3d& v)
{
    assertWriteEnabled();
    return unitOf(v, m_dir);
}

Zcad::ErrorStatus ZcDbXline::setUnitDir(const ZcGeVector3d& v)
{
    assertWriteEnabled();
    return unitOf(v, m_dir);
}

namespace zrxent {

geom::Curve kernelOf(const ZcDbLine& e) { return geom::Line::segment(e.startPoint(), e.endPoint()); }
geom::Curve kernelOf(const ZcDbRay& e) { return geom::Line::ray(e.basePoint(), e.unitDir()); }
geom::Curve kernelOf(const ZcDbXline& e) { return geom::Line::infinite(e.basePoint(), e.unitDir()); }

Zcad::ErrorStatus assignFrom(ZcDbLine& e, const geom::Curve& c)
{
    const geom::Line* l = lineOf(c, geom::LineKind::Segment);
    if (l == nullptr) return Zcad::eNotApplicable;
    e.setStartPoint(l->base);
    e.setEndPoint(l->end);
    return Zcad::eOk;
}

Zcad::ErrorStatus assignFrom(ZcDbRay& e, const geom::Curve& c)
{
    const geom::Line* l = lineOf(c, geom::LineKind::Ray);
    if (l == nullptr) return Zcad::eNotApplicable;
    e.setBasePoint(l->base);
    return e.setUnitDir(l->direction);
}

Zcad::ErrorStatus assignFrom(ZcDbXline& e, const geom::Curve& c)
{
    const geom::Line* l = lineOf(c, geom::LineKind::Infinite);
    if (l == nullptr) return Zcad::eNotApplicable;
    e.setBasePoint(l->base);
    return e.setUnitDir(l->direction);
}

}  // namespace zrxent
