// Points and sides of straight lines.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The point nearest to p on the segment a-b (nInfinite 0) or on the unbounded line through
// a in the direction b - a (nInfinite non-zero), in 3D.
TREVANCOM_API ZcGePoint3d TrevanComARX_GetLineClosestPoint2d(const ZcGePoint3d& p, const ZcGePoint3d& a,
                                                            const ZcGePoint3d& b, int nInfinite);
// 1 when p lies left of the directed line a to b seen from +Z; 0 right of it or on it.
// Only X and Y count.
TREVANCOM_API int TrevanComARX_GetLineLR(const ZcGePoint3d& p, const ZcGePoint3d& a, const ZcGePoint3d& b);
