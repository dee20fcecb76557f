// Layer status from LISP. Exported under their own names for the sibling modules, which
// define them as LISP functions.
#pragma once

#include "core/trevancom_export.h"

// (name) -> (frozen locked off plottable) as 1/0, or nil when there is no such layer.
extern "C" TREVANCOM_API int TrevanComARX_GetLayerStatusLispFunc();
// (name (frozen locked off plottable)), each non-zero for true -> T, or nil when the layer
// cannot be changed.
extern "C" TREVANCOM_API int TrevanComARX_SetLayerStatusLispFunc();
