// Where two curves at different elevations cross in plan. Exported for the sibling
// modules, which define it as a LISP function.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The first point where a meets b once both are brought to Z = 0, under the extension
// mode (1 extends a, 2 extends b, 3 both, any other value neither); its Z is 0. False when
// either is no line, arc, circle, lightweight polyline or spline, cannot be opened for
// write, or the curves do not meet. Both curves are left exactly as they were.
TREVANCOM_API bool TrevanCom_PlanIntersect(ZcDbObjectId idA, ZcDbObjectId idB, int mode, ZcGePoint3d& point);

// (ename ename mode) -> (point) or nil; no message on bad arguments but for a call without
// any.
extern "C" TREVANCOM_API int TrevanComARX_get_ipt_anotherz_curve();
