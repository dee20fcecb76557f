// Interpolating and approximating fit points with the library's fitters.
#include "geom/spline_fit.h"

#include "geom/spline_occt.h"

#include <GeomAPI_Interpolate.hxx>
#include <GeomAPI_PointsToBSpline.hxx>
#include <GeomAPI_ProjectPointOnCurve.hxx>
#include <TColStd_HArray1OfBoolean.hxx>
#include <TColgp_Array1OfVec.hxx>
#include <TColgp_HArray1OfPnt.hxx>

namespace zrx::geom {

namespace {

constexpr int kFitDegree = 3;

std::vector<ZcGePoint3d> distinctPoints(const std::vector<ZcGePoint3d>& points, bool closed, double eps)
{
    std::vector<ZcGePoint3d> out;
    for (const ZcGePoint3d& p : points)
        if (out.empty() || out.back().distanceTo(p) > eps) out.push_back(p);
    if (closed && out.size() > 1 && out.back().distanceTo(out.front()) <= eps) out.pop_back();
    return out;
}

Handle(TColgp_HArray1OfPnt) toArray(const std::vector<ZcGePoint3d>& points)
{
    Handle(TColgp_HArray1OfPnt) arr = new TColgp_HArray1OfPnt(1, static_cast<int>(points.size()));
    for (size_t i = 0; i < points.size(); ++i) arr->SetValue(static_cast<int>(i) + 1, occt::toGp(points[i]));
    return arr;
}

bool usable(const std::optional<ZcGeVector3d>& v) { return v && !v->isZeroLength(); }

Handle(Geom_BSplineCurve) interpolate(const std::vector<ZcGePoint3d>& pts, const FitOptions& options, double eps)
{
    GeomAPI_Interpolate fitter(toArray(pts), options.closed, eps);
    const bool start = !options.closed && usable(options.startTangent);
    const bool end = !options.closed && usable(options.endTangent);
    if (start || end) {
        const int n = static_cast<int>(pts.size());
        TColgp_Array1OfVec tangents(1, n);
        Handle(TColStd_HArray1OfBoolean) flags = new TColStd_HArray1OfBoolean(1, n, false);
        if (start) {
            tangents(1) = occt::toGp(options.startTangent->normal());
            flags->SetValue(1, true);
        }
        if (end) {
            tangents(n) = occt::toGp(options.endTangent->normal());
            flags->SetValue(n, true);
        }
        // Scaled: the tangents steer the direction, their length is the fitter's choice.
        fitter.Load(tangents, flags, true);
    }
    fitter.Perform();
    if (!fitter.IsDone()) return {};
    return fitter.Curve();
}

bool keepsWithin(const Handle(Geom_BSplineCurve)& curve, const std::vector<ZcGePoint3d>& pts, double tolerance)
{
    for (const ZcGePoint3d& p : pts) {
        GeomAPI_ProjectPointOnCurve proj(occt::toGp(p), curve);
        if (proj.NbPoints() == 0 || proj.LowerDistance() > tolerance) return false;
    }
    return curve->StartPoint().Distance(occt::toGp(pts.front())) <= tolerance &&
           curve->EndPoint().Distance(occt::toGp(pts.back())) <= tolerance;
}

Handle(Geom_BSplineCurve) approximate(const std::vector<ZcGePoint3d>& pts, double tolerance)
{
    TColgp_Array1OfPnt arr(1, static_cast<int>(pts.size()));
    for (size_t i = 0; i < pts.size(); ++i) arr(static_cast<int>(i) + 1) = occt::toGp(pts[i]);
    GeomAPI_PointsToBSpline fitter(arr, kFitDegree, kFitDegree, GeomAbs_C2, tolerance);
    if (!fitter.IsDone()) return {};
    Handle(Geom_BSplineCurve) curve = fitter.Curve();
    if (curve.IsNull() || !keepsWithin(curve, pts, tolerance)) return {};
    return curve;
}

}  // namespace

std::optional<Nurbs> fitThrough(const std::vector<ZcGePoint3d>& points, const FitOptions& options, const ZcGeTol& tol)
{
    Box box;
    for (const ZcGePoint3d& p : points) box.add(p);
    const double eps = tol.equalPoint() * modelScale(box);
    const std::vector<ZcGePoint3d> pts = distinctPoints(points, options.closed, eps);
    if (pts.size() < (options.closed ? 3u : 2u)) return std::nullopt;

    return occt::guarded([&]() -> std::optional<Nurbs> {
        Handle(Geom_BSplineCurve) curve;
        const bool exactOnly = options.closed || usable(options.startTangent) || usable(options.endTangent);
        if (options.tolerance > 0.0 && !exactOnly && pts.size() > 2) curve = approximate(pts, options.tolerance);
        if (curve.IsNull()) curve = interpolate(pts, options, eps);
        if (curve.IsNull()) return std::nullopt;
        // Few points give the fitter a lower degree; fit splines are cubic all the same.
        if (curve->Degree() < kFitDegree) curve->IncreaseDegree(kFitDegree);
        Nurbs s = occt::fromCurve(curve, tol);
        s.fitPoints = points;
        s.fitTolerance = options.tolerance;
        s.startTangent = options.startTangent;
        s.endTangent = options.endTangent;
        s.closed = s.closed || options.closed;
        return s;
    });
}

}  // namespace zrx::geom
