// Numbers a writer may store: an infinite or undefined one is refused, never written.
#pragma once

#include <cmath>

#include "zrx.h"

inline bool TrevanCom_IsFinite(const ZcGePoint3d& pt)
{
    return std::isfinite(pt.x) && std::isfinite(pt.y) && std::isfinite(pt.z);
}
