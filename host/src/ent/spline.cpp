// Splines: NURBS data or fit points, answered by the spline kernel.
#include "db_spline.h"

#include "ent/optional_status.h"
#include "geom/spline_eval.h"
#include "geom/spline_extents.h"
#include "geom/spline_fit.h"
#include "geom/spline_length.h"
#include "geom/spline_nurbs.h"
#include "geom/spline_project.h"
#include "geom/spline_split.h"
#include "geom/spline_transform.h"
#include "db/rx_define.h"

namespace geom = zrx::geom;

ZCRX_DEFINE_MEMBERS(ZcDbSpline, ZcDbCurve, "AcDbSpline", "SPLINE")
ZCRX_DEFINE_CLONE(ZcDbSpline)

namespace {

std::vector<ZcGePoint3d> toVector(const ZcGePoint3dArray& a) { return {a.begin(), a.end()}; }
std::vector<double> toVector(const ZcGeDoubleArray& a) { return {a.begin(), a.end()}; }

geom::Nurbs fitted(const ZcGePoint3dArray& points, const geom::FitOptions& options)
{
    std::optional<geom::Nurbs> s = geom::fitThrough(toVector(points), options);
    return s ? *s : geom::Nurbs{};
}

}  // namespace

ZcDbSpline::ZcDbSpline() : m_nurbs(std::make_unique<geom::Nurbs>()) {}

ZcDbSpline::ZcDbSpline(const ZcGePoint3dArray& fitPoints, int /*order*/, double fitTolerance)
    : m_nurbs(std::make_unique<geom::Nurbs>(fitted(fitPoints, geom::FitOptions{fitTolerance, {}, {}, false})))
{
}

ZcDbSpline::ZcDbSpline(const ZcGePoint3dArray& fitPoints, const ZcGeVector3d& startTangent,
                       const ZcGeVector3d& endTangent, int /*order*/, double fitTolerance)
    : m_nurbs(std::make_unique<geom::Nurbs>(fitted(
          fitPoints, geom::FitOptions{fitTolerance,
                                      startTangent.isZeroLength() ? std::nullopt : std::optional(startTangent),
                                      endTangent.isZeroLength() ? std::nullopt : std::optional(endTangent), false})))
{
}

ZcDbSpline::ZcDbSpline(int degree, bool rational, bool /*closed*/, bool periodic,
                       const ZcGePoint3dArray& controlPoints, const ZcGeDoubleArray& knots,
                       const ZcGeDoubleArray& weights, double, double)
    : m_nurbs(std::make_unique<geom::Nurbs>())
{
    std::optional<geom::Nurbs> s = geom::makeNurbs(degree, toVector(controlPoints), toVector(knots),
                                                   rational ? toVector(weights) : std::vector<double>{}, periodic);
    if (s) *m_nurbs = std::move(*s);
}

ZcDbSpline::ZcDbSpline(const ZcDbSpline& other)
    : ZcDbCurve(other), m_nurbs(std::make_unique<geom::Nurbs>(*other.m_nurbs))
{
}

ZcDbSpline::~ZcDbSpline() = default;

const geom::Nurbs& ZcDbSpline::nurbs() const
{
    assertReadEnabled();
    return *m_nurbs;
}

bool ZcDbSpline::isNull() const { return !geom::isValid(nurbs()); }
int ZcDbSpline::degree() const { return nurbs().degree; }
bool ZcDbSpline::isRational() const { return nurbs().rational; }
bool ZcDbSpline::isPlanar() const { return !nurbs().normal.isZeroLength(); }
bool ZcDbSpline::isClosed() const { return nurbs().closed; }
bool ZcDbSpline::isPeriodic() const { return nurbs().periodic; }
int ZcDbSpline::numControlPoints() const { return static_cast<int>(nurbs().controlPoints.size()); }
bool ZcDbSpline::hasFitData() const { return nurbs().hasFitData(); }
int ZcDbSpline::numFitPoints() const { return static_cast<int>(nurbs().fitPoints.size()); }
double ZcDbSpline::fitTolerance() const { return nurbs().fitTolerance; }

Zcad::ErrorStatus ZcDbSpline::getControlPointAt(int index, ZcGePoint3d& point) const
{
    if (index < 0 || index >= numControlPoints()) return Zcad::eInvalidIndex;
    point = nurbs().controlPoints[static_cast<size_t>(index)];
    return Zcad::eOk;
}

// Moving a control point leaves the fit data behind, as on the platform.
Zcad::ErrorStatus ZcDbSpline::setControlPointAt(int index, const ZcGePoint3d& point)
{
    assertWriteEnabled();
    if (index < 0 || index >= static_cast<int>(m_nurbs->controlPoints.size())) return Zcad::eInvalidIndex;
    m_nurbs->controlPoints[static_cast<size_t>(index)] = point;
    m_nurbs->fitPoints.clear();
    m_nurbs->startTangent.reset();
    m_nurbs->endTangent.reset();
    geom::refreshShapeFlags(*m_nurbs);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getNurbsData(int& deg, bool& rational, bool& closed, bool& periodic,
                                           ZcGePoint3dArray& controlPoints, ZcGeDoubleArray& knots,
                                           ZcGeDoubleArray& weights, double& controlPtTol, double& knotTol) const
{
    const geom::Nurbs& s = nurbs();
    if (!geom::isValid(s)) return Zcad::eDegenerateGeometry;
    deg = s.degree;
    rational = s.rational;
    closed = s.closed;
    periodic = s.periodic;
    controlPoints.removeAll();
    for (const ZcGePoint3d& p : s.controlPoints) controlPoints.append(p);
    knots.removeAll();
    for (double k : s.knots) knots.append(k);
    weights.removeAll();
    for (size_t i = 0; rational && i < s.controlPoints.size(); ++i) weights.append(s.weight(i));
    controlPtTol = ZcGeContext::gTol.equalPoint();
    knotTol = ZcGeContext::gTol.equalPoint();
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::setNurbsData(int deg, bool rational, bool /*closed*/, bool periodic,
                                           const ZcGePoint3dArray& controlPoints, const ZcGeDoubleArray& knots,
                                           const ZcGeDoubleArray& weights, double, double)
{
    assertWriteEnabled();
    std::optional<geom::Nurbs> s = geom::makeNurbs(deg, toVector(controlPoints), toVector(knots),
                                                   rational ? toVector(weights) : std::vector<double>{}, periodic);
    if (!s) return Zcad::eInvalidInput;
    *m_nurbs = std::move(*s);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getFitPointAt(int index, ZcGePoint3d& point) const
{
    if (!hasFitData()) return Zcad::eNotApplicable;
    if (index < 0 || index >= numFitPoints()) return Zcad::eInvalidIndex;
    point = nurbs().fitPoints[static_cast<size_t>(index)];
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::setFitPointAt(int index, const ZcGePoint3d& point)
{
    assertWriteEnabled();
    if (!m_nurbs->hasFitData()) return Zcad::eNotApplicable;
    if (index < 0 || index >= static_cast<int>(m_nurbs->fitPoints.size())) return Zcad::eInvalidIndex;
    std::vector<ZcGePoint3d> points = m_nurbs->fitPoints;
    points[static_cast<size_t>(index)] = point;
    geom::FitOptions options{m_nurbs->fitTolerance, m_nurbs->startTangent, m_nurbs->endTangent, m_nurbs->closed};
    std::optional<geom::Nurbs> s = geom::fitThrough(points, options);
    if (!s) return Zcad::eInvalidInput;
    *m_nurbs = std::move(*s);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getFitData(ZcGePoint3dArray& fitPoints, int& deg, double& fitTol, bool& tangentsExist,
                                         ZcGeVector3d& startTangent, ZcGeVector3d& endTangent) const
{
    const geom::Nurbs& s = nurbs();
    if (!s.hasFitData()) return Zcad::eNotApplicable;
    fitPoints.removeAll();
    for (const ZcGePoint3d& p : s.fitPoints) fitPoints.append(p);
    deg = s.degree;
    fitTol = s.fitTolerance;
    tangentsExist = s.startTangent.has_value() || s.endTangent.has_value();
    startTangent = s.startTangent.value_or(ZcGeVector3d());
    endTangent = s.endTangent.value_or(ZcGeVector3d());
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::setFitData(const ZcGePoint3dArray& fitPoints, int /*degree*/, double fitTol,
                                         const ZcGeVector3d& startTangent, const ZcGeVector3d& endTangent)
{
    assertWriteEnabled();
    geom::FitOptions options{fitTol, startTangent.isZeroLength() ? std::nullopt : std::optional(startTangent),
                             endTangent.isZeroLength() ? std::nullopt : std::optional(endTangent), false};
    std::optional<geom::Nurbs> s = geom::fitThrough(toVector(fitPoints), options);
    if (!s) return Zcad::eInvalidInput;
    *m_nurbs = std::move(*s);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::purgeFitData()
{
    assertWriteEnabled();
    m_nurbs->fitPoints.clear();
    m_nurbs->startTangent.reset();
    m_nurbs->endTangent.reset();
    m_nurbs->fitTolerance = 0.0;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::reverseCurve()
{
    assertWriteEnabled();
    if (!geom::isValid(*m_nurbs)) return Zcad::eDegenerateGeometry;
    *m_nurbs = geom::reversed(*m_nurbs);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getStartParam(double& p) const
{
    if (isNull()) return Zcad::eDegenerateGeometry;
    p = nurbs().startParam();
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getEndParam(double& p) const
{
    if (isNull()) return Zcad::eDegenerateGeometry;
    p = nurbs().endParam();
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getStartPoint(ZcGePoint3d& p) const { return zrxent::give(geom::startPoint(nurbs()), p); }
Zcad::ErrorStatus ZcDbSpline::getEndPoint(ZcGePoint3d& p) const { return zrxent::give(geom::endPoint(nurbs()), p); }
Zcad::ErrorStatus ZcDbSpline::getPointAtParam(double t, ZcGePoint3d& p) const
{
    return zrxent::give(geom::pointAtParam(nurbs(), t), p);
}
Zcad::ErrorStatus ZcDbSpline::getParamAtPoint(const ZcGePoint3d& p, double& t) const
{
    return zrxent::give(geom::paramAtPoint(nurbs(), p), t);
}
Zcad::ErrorStatus ZcDbSpline::getDistAtParam(double t, double& d) const { return zrxent::give(geom::distAtParam(nurbs(), t), d); }
Zcad::ErrorStatus ZcDbSpline::getParamAtDist(double d, double& t) const { return zrxent::give(geom::paramAtDist(nurbs(), d), t); }
Zcad::ErrorStatus ZcDbSpline::getFirstDeriv(double t, ZcGeVector3d& v) const
{
    return zrxent::give(geom::firstDeriv(nurbs(), t), v);
}

Zcad::ErrorStatus ZcDbSpline::getClosestPointTo(const ZcGePoint3d& given, ZcGePoint3d& on, bool extend) const
{
    return zrxent::give(geom::closestPointTo(nurbs(), given, extend), on);
}

Zcad::ErrorStatus ZcDbSpline::getSplitCurves(const ZcGeDoubleArray& params, ZcDbVoidPtrArray& pieces) const
{
    if (isNull()) return Zcad::eDegenerateGeometry;
    std::vector<geom::Nurbs> parts = geom::splitAtParams(nurbs(), toVector(params));
    if (parts.empty()) return Zcad::eInvalidInput;
    for (geom::Nurbs& part : parts) {
        auto* piece = new ZcDbSpline;
        *piece->m_nurbs = std::move(part);
        piece->setPropertiesFrom(this);
        pieces.append(piece);
    }
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::getGeomExtents(ZcDbExtents& ext) const
{
    std::optional<geom::Box> box = geom::extents(nurbs());
    if (!box || box->empty) return Zcad::eInvalidExtents;
    ext.set(box->min, box->max);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbSpline::transformBy(const ZcGeMatrix3d& xform)
{
    assertWriteEnabled();
    std::optional<geom::Nurbs> moved = geom::transformed(*m_nurbs, xform);
    if (!moved) return Zcad::eNotApplicable;
    *m_nurbs = std::move(*moved);
    return Zcad::eOk;
}
