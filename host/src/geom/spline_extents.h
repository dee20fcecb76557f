// The tight world box of a spline: the curve's own extremes, not its control polygon's.
#pragma once

#include "geom/spline_nurbs.h"

namespace zrx::geom {

// Fails on invalid data.
ZRX_API std::optional<Box> extents(const Nurbs& s);

}  // namespace zrx::geom
