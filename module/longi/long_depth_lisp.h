// The shell development dialog, from LISP. Exported under its own name for the sibling
// modules, which define it as a LISP function.
#pragma once

#include "core/trevancom_export.h"

// () -> (ship "start frame" start-shift "end frame" end-shift), shifts in millimetres as
// reals, or nil when the user cancels. Arguments are ignored.
extern "C" TREVANCOM_API int TrevanComARX_LongDepthFrameNo();
