// Plane tests the region cut-out of an intersection detail is sorted with.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// One tolerance for every comparison of the cut-out: drawing units, and radians for angles.
#define TREVANCOM_REGION_TOL 0.0001

// 0 outside the closed polygon, 1 on one of its edges, 2 inside (by the winding angle).
TREVANCOM_API int TrevanCom_PointInPolygon(const ZcGePoint3dArray& polygon, const ZcGePoint3d& pt, double tol);
// Non-zero when the point lies on the segment a-b.
TREVANCOM_API int TrevanCom_PointOnSegment(const ZcGePoint3d& pt, const ZcGePoint3d& a, const ZcGePoint3d& b);
// Whether the two boxes overlap in X and in Y, touching within the tolerance included.
TREVANCOM_API bool TrevanCom_BoxOverlap(const ZcDbExtents& entityBox, const ZcDbExtents& regionBox, double tol);
// The point half way along the curve's length.
TREVANCOM_API ZcGePoint3d TrevanCom_CurveMidPoint(const ZcDbCurve* pCurve);
