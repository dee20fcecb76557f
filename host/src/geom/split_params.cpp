// Sorting and cleaning split parameters.
#include "geom/split_params.h"

#include <algorithm>
#include <cmath>

namespace zrx::geom {

namespace {

std::vector<double> sortedUnique(std::vector<double> params, double tol)
{
    std::sort(params.begin(), params.end());
    std::vector<double> out;
    for (double p : params)
        if (out.empty() || p - out.back() > tol) out.push_back(p);
    return out;
}

}  // namespace

std::vector<double> interiorParams(std::vector<double> params, double start, double end, double tol)
{
    std::erase_if(params, [&](double p) { return !std::isfinite(p) || p <= start + tol || p >= end - tol; });
    return sortedUnique(std::move(params), tol);
}

std::vector<double> periodicParams(std::vector<double> params, double start, double end, double tol)
{
    const double period = end - start;
    for (double& p : params) {
        if (!std::isfinite(p)) continue;
        p = start + std::fmod(p - start, period);
        if (p < start) p += period;
        if (p >= end - tol) p = start;  // the seam is the start
    }
    std::erase_if(params, [](double p) { return !std::isfinite(p); });
    return sortedUnique(std::move(params), tol);
}

}  // namespace zrx::geom
