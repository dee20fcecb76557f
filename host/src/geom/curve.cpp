// Forwarding the kernel's queries from the curve variant to each primitive.
#include "geom/curve.h"

namespace zrx::geom {

namespace {

template <class T>
std::vector<Curve> widen(std::vector<T> pieces)
{
    return {std::make_move_iterator(pieces.begin()), std::make_move_iterator(pieces.end())};
}

}  // namespace

double startParam(const Curve& c)
{
    return std::visit([](const auto& k) { return k.startParam(); }, c);
}

double endParam(const Curve& c)
{
    return std::visit([](const auto& k) { return k.endParam(); }, c);
}

bool isClosed(const Curve& c)
{
    return std::visit([](const auto& k) { return k.isClosed(); }, c);
}

std::optional<ZcGePoint3d> startPoint(const Curve& c)
{
    return std::visit([](const auto& k) { return startPoint(k); }, c);
}

std::optional<ZcGePoint3d> endPoint(const Curve& c)
{
    return std::visit([](const auto& k) { return endPoint(k); }, c);
}

std::optional<ZcGePoint3d> pointAtParam(const Curve& c, double param, const ZcGeTol& tol)
{
    return std::visit([&](const auto& k) { return pointAtParam(k, param, tol); }, c);
}

std::optional<double> paramAtPoint(const Curve& c, const ZcGePoint3d& point, const ZcGeTol& tol)
{
    return std::visit([&](const auto& k) { return paramAtPoint(k, point, tol); }, c);
}

std::optional<double> distAtParam(const Curve& c, double param, const ZcGeTol& tol)
{
    return std::visit([&](const auto& k) { return distAtParam(k, param, tol); }, c);
}

std::optional<double> paramAtDist(const Curve& c, double dist, const ZcGeTol& tol)
{
    return std::visit([&](const auto& k) { return paramAtDist(k, dist, tol); }, c);
}

std::optional<ZcGeVector3d> firstDeriv(const Curve& c, double param, const ZcGeTol& tol)
{
    return std::visit([&](const auto& k) { return firstDeriv(k, param, tol); }, c);
}

ZcGePoint3d closestPointTo(const Curve& c, const ZcGePoint3d& point, bool extend)
{
    return std::visit([&](const auto& k) { return closestPointTo(k, point, extend); }, c);
}

std::vector<Curve> splitAtParams(const Curve& c, const std::vector<double>& params, const ZcGeTol& tol)
{
    return std::visit([&](const auto& k) { return widen(splitAtParams(k, params, tol)); }, c);
}

std::vector<Curve> splitAtPoints(const Curve& c, const std::vector<ZcGePoint3d>& points, const ZcGeTol& tol)
{
    return std::visit([&](const auto& k) { return widen(splitAtPoints(k, points, tol)); }, c);
}

std::optional<Box> extents(const Curve& c)
{
    return std::visit([](const auto& k) -> std::optional<Box> { return extents(k); }, c);
}

std::optional<Curve> transformed(const Curve& c, const ZcGeMatrix3d& m)
{
    return std::visit(
        [&](const auto& k) -> std::optional<Curve> {
            auto t = transformed(k, m);
            if (!t) return std::nullopt;
            return Curve(std::move(*t));
        },
        c);
}

}  // namespace zrx::geom
