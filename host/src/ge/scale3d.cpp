// ZcGeScale3d comparisons.
#include "zrx/ge_scale3d.h"

#include <cmath>

const ZcGeScale3d ZcGeScale3d::kIdentity(1, 1, 1);

bool ZcGeScale3d::isProportional(const ZcGeTol& tol) const
{
    return std::fabs(sx - sy) <= tol.equalVector() && std::fabs(sx - sz) <= tol.equalVector();
}

bool ZcGeScale3d::isEqualTo(const ZcGeScale3d& s, const ZcGeTol& tol) const
{
    return std::fabs(sx - s.sx) <= tol.equalVector() && std::fabs(sy - s.sy) <= tol.equalVector() &&
           std::fabs(sz - s.sz) <= tol.equalVector();
}
