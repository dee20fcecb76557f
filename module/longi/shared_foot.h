// Two longitudinal sections standing on one point of a landing line are a drawing mistake.
#pragma once

#include <vector>

#include "zrx.h"

// True when two of the points are equal within the global point tolerance. Linear in the
// number of points: each is compared only with those of its own and the neighbouring cells
// of a grid no finer than the tolerance.
bool TrevanCom_HasSharedFoot(const std::vector<ZcGePoint3d>& feet);
