// Tests of the lines a drafter picks to interpolate frame sections with: straight, and
// straight and level. Exported for the sibling modules, which define them as LISP functions.
#pragma once

#include "core/trevancom_export.h"

// (ename) -> T for a line or a two-vertex polyline without bulge; else nil with the reason.
extern "C" TREVANCOM_API int TrevanComARX_CheckLine();
// (ename) -> T when it is straight as above and its ends lie within 0.001 of one level.
extern "C" TREVANCOM_API int TrevanComARX_CheckWarikomiAB();
