// A curve replaced by a polyline with evenly spaced vertices along its true length.
// Exported for the sibling modules, which define them as LISP functions.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Vertices at the distances 0, spacing, 2 × spacing … below the curve's length, then its
// end point; the polyline takes the curve's colour, layer and line type and the curve is
// erased. False, the curve left as it was, when it cannot be opened, is no longer than the
// spacing, or the polyline cannot be added.
TREVANCOM_API bool TrevanCom_CurveToPolyline(ZcDbObjectId curveId, double spacing);

// (ename spacing) -> nil; a curve not longer than the spacing is refused with a message.
extern "C" TREVANCOM_API int TrevanComARX_SplToPolyDist();
// (ename parts) -> nil; the spacing is the length divided by the parts, at least 2.
extern "C" TREVANCOM_API int TrevanComARX_SplToPolyDiv();
