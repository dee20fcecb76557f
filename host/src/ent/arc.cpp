// Circles and arcs.
#include "db_arc.h"

#include <cmath>
#include <numbers>

#include "ent/kernel_curve.h"
#include "geom/angle.h"
#include "db/rx_define.h"

namespace geom = zrx::geom;

ZCRX_DEFINE_MEMBERS(ZcDbCircle, ZcDbCurve, "AcDbCircle", "CIRCLE")
ZCRX_DEFINE_MEMBERS(ZcDbArc, ZcDbCurve, "AcDbArc", "ARC")
ZCRX_DEFINE_CLONE(ZcDbCircle)
ZCRX_DEFINE_CLONE(ZcDbArc)
ZRXENT_DEFINE_KERNEL_CURVE(ZcDbCircle)
ZRXENT_DEFINE_KERNEL_CURVE(ZcDbArc)

namespace {
Zcad::ErrorStatus unitNormal(const ZcGeVector3d& n, ZcGeVector3d& out)
{
    if (n.isZeroLength()) return Zcad::eDegenerateGeometry;
    out = n.normal();
    return Zcad::eOk;
}
}  // namespace

ZcDbCircle::ZcDbCircle(const ZcGePoint3d& center, const ZcGeVector3d& normal, double radius)
    : m_center(center), m_normal(normal.isZeroLength() ? ZcGeVector3d::kZAxis : normal.normal()), m_radius(radius)
{
}

Zcad::ErrorStatus ZcDbCircle::setRadius(double r)
{
    assertWriteEnabled();
    if (!(r > 0.0)) return Zcad::eInvalidInput;
    m_radius = r;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbCircle::setNormal(const ZcGeVector3d& n)
{
    assertWriteEnabled();
    return unitNormal(n, m_normal);
}

double ZcDbCircle::circumference() const { return 2.0 * std::numbers::pi * radius(); }

Zcad::ErrorStatus ZcDbCircle::getArea(double& area) const
{
    area = std::numbers::pi * radius() * radius();
    return Zcad::eOk;
}

ZcDbArc::ZcDbArc(const ZcGePoint3d& center, double radius, double startAngle, double endAngle)
    : ZcDbArc(center, ZcGeVector3d::kZAxis, radius, startAngle, endAngle)
{
}

ZcDbArc::ZcDbArc(const ZcGePoint3d& center, const ZcGeVector3d& normal, double radius, double startAngle,
                 double endAngle)
    : m_center(center),
      m_normal(normal.isZeroLength() ? ZcGeVector3d::kZAxis : normal.normal()),
      m_radius(radius),
      m_startAngle(geom::normalizeAngle(startAngle)),
      m_endAngle(geom::normalizeAngle(endAngle))
{
}

Zcad::ErrorStatus ZcDbArc::setRadius(double r)
{
    assertWriteEnabled();
    if (!(r > 0.0)) return Zcad::eInvalidInput;
    m_radius = r;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbArc::setNormal(const ZcGeVector3d& n)
{
    assertWriteEnabled();
    return unitNormal(n, m_normal);
}

Zcad::ErrorStatus ZcDbArc::setStartAngle(double a)
{
    assertWriteEnabled();
    m_startAngle = geom::normalizeAngle(a);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbArc::setEndAngle(double a)
{
    assertWriteEnabled();
    m_endAngle = geom::normalizeAngle(a);
    return Zcad::eOk;
}

double ZcDbArc::totalAngle() const
{
    double sweep = endAngle() - startAngle();
    return sweep <= 0.0 ? sweep + geom::kTwoPi : sweep;
}

// The area between the arc and its chord.
Zcad::ErrorStatus ZcDbArc::getArea(double& area) const
{
    double sweep = totalAngle();
    area = 0.5 * radius() * radius() * (sweep - std::sin(sweep));
    return Zcad::eOk;
}

namespace zrxent {

geom::Curve kernelOf(const ZcDbCircle& e) { return geom::Arc::makeCircle(e.center(), e.radius(), e.normal()); }
geom::Curve kernelOf(const ZcDbArc& e)
{
    return geom::Arc::makeArc(e.center(), e.radius(), e.normal(), e.startAngle(), e.endAngle());
}

Zcad::ErrorStatus assignFrom(ZcDbCircle& e, const geom::Curve& c)
{
    const auto* a = std::get_if<geom::Arc>(&c);
    if (a == nullptr) return Zcad::eNotApplicable;
    e.setCenter(a->center);
    e.setNormal(a->normal);
    return e.setRadius(a->radius);
}

Zcad::ErrorStatus assignFrom(ZcDbArc& e, const geom::Curve& c)
{
    const auto* a = std::get_if<geom::Arc>(&c);
    if (a == nullptr) return Zcad::eNotApplicable;
    e.setCenter(a->center);
    e.setNormal(a->normal);
    e.setStartAngle(a->startAngle);
    e.setEndAngle(a->endAngle);
    return e.setRadius(a->radius);
}

}  // namespace zrxent
