// The box around everything in the drawing, from LISP. Exported for the sibling modules,
// which define it as a LISP function.
#pragma once

#include "core/trevancom_export.h"

// () -> (lower upper) over every entity but points, "FAIL" when nothing is selected, "CAN"
// when the selection is cancelled or an entity cannot be reached.
extern "C" TREVANCOM_API int TrevanComARX_GetObjctbox();
