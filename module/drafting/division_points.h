// Interpolating a frame section between drawn ones (division points), and choosing the
// sections to interpolate from. Exported for the sibling modules, which define them as LISP
// functions.
#pragma once

#include "core/trevancom_export.h"

// (base pickset lineA lineB offset division point) -> nil. Draws, as a spline on the base
// section's layer with its look, the section at the base's position plus the offset,
// interpolated from the sections of the set between the levels of lines A and B; it is
// named after the base with the offset in tenths ("25+250") and marked as interpolated.
extern "C" TREVANCOM_API int TrevanComARX_GetDivLinePoints();
// (base) -> a selection set of the frame sections the user picks around the base, ordered
// by longitudinal position; the base and interpolated sections are not taken. nil on Esc.
extern "C" TREVANCOM_API int TrevanComARX_SSGetBNLines();
