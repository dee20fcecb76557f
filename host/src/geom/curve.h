// Any closed-form curve of the kernel behind one type, for code that handles curves alike
// (splitting, intersecting two entities of different kinds). Each query forwards to the
// primitive's own function of the same name.
#pragma once

#include "geom/arc.h"
#include "geom/line.h"
#include "geom/polyline.h"

#include <variant>

namespace zrx::geom {

using Curve = std::variant<Line, Arc, Polyline>;

ZRX_API double startParam(const Curve& c);
ZRX_API double endParam(const Curve& c);
ZRX_API bool isClosed(const Curve& c);
ZRX_API std::optional<ZcGePoint3d> startPoint(const Curve& c);
ZRX_API std::optional<ZcGePoint3d> endPoint(const Curve& c);
ZRX_API std::optional<ZcGePoint3d> pointAtParam(const Curve& c, double param, const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::optional<double> paramAtPoint(const Curve& c, const ZcGePoint3d& point,
                                           const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::optional<double> distAtParam(const Curve& c, double param, const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::optional<double> paramAtDist(const Curve& c, double dist, const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::optional<ZcGeVector3d> firstDeriv(const Curve& c, double param, const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API ZcGePoint3d closestPointTo(const Curve& c, const ZcGePoint3d& point, bool extend);
ZRX_API std::vector<Curve> splitAtParams(const Curve& c, const std::vector<double>& params,
                                         const ZcGeTol& tol = ZcGeContext::gTol);
ZRX_API std::vector<Curve> splitAtPoints(const Curve& c, const std::vector<ZcGePoint3d>& points,
                                         const ZcGeTol& tol = ZcGeContext::gTol);
// Empty optional for unbounded curves.
ZRX_API std::optional<Box> extents(const Curve& c);
ZRX_API std::optional<Curve> transformed(const Curve& c, const ZcGeMatrix3d& m);

}  // namespace zrx::geom
