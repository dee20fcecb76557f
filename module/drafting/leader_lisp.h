// Leaders through given points with a text, drawn by the host's LEADER command. Exported
// for the sibling modules, which define them as LISP functions.
#pragma once

#include "core/trevancom_export.h"

// ("text" (point point point …)) -> T, or nil for fewer than three points. The leader runs
// through every point but the last, then a short horizontal stub towards the side of the
// last point, where the text goes.
extern "C" TREVANCOM_API int TrevanComARX_MakeLeader();
// (point point point "text") -> T: the same with exactly three points.
extern "C" TREVANCOM_API int TrevanComARX_MakeLeaderFrom3p();
