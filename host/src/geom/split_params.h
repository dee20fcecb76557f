// Preparing the parameter list a curve is split at.
#pragma once

#include "zrx/zrx_export.h"

#include <vector>

namespace zrx::geom {

// Sorted, with values within tol of a neighbour merged and values not strictly inside
// (start, end) by more than tol dropped.
ZRX_API std::vector<double> interiorParams(std::vector<double> params, double start, double end, double tol);

// For closed curves: values are wrapped into [start, end), where end is the same place as
// start, so a split at the start point is kept; duplicates (also across the seam) merged.
ZRX_API std::vector<double> periodicParams(std::vector<double> params, double start, double end, double tol);

}  // namespace zrx::geom
