// The defining points of a polyline or spline, from LISP. Exported for the sibling modules,
// which define it as a LISP function.
#pragma once

#include "core/trevancom_export.h"

// (ename) -> a lightweight polyline's vertices in world coordinates, or a spline's control
// points, in order; nil for any other curve or none.
extern "C" TREVANCOM_API int TrevanComARX_qor_plinelistLispFunc();
