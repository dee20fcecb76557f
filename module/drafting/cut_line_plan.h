// Plan and vertical lines of a lines drawing: where a named cut line crosses the frame
// sections of the body plan, taken to the longitudinal positions of the sections.
// Exported for the sibling modules, which define them as LISP functions.
#pragma once

#include "core/trevancom_export.h"

// ("drawing" "cut line name" "layer" [filter]) -> T after drawing, on the layer, a spline
// through (section position, half-breadth at the horizontal cut line) for every section the
// cut line crosses; nil when the drawing cannot be opened, has no body-plan base point, no
// such cut line, or fewer than two crossings. With filter 1, only numbered frames count.
extern "C" TREVANCOM_API int TrevanComARX_MakePlanLine();
// The same with a vertical cut line: (section position, height above the base point).
extern "C" TREVANCOM_API int TrevanComARX_MakeVerticalLine();
