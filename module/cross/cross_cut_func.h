// Cutting one member where it meets another and drawing the joint line between them.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// LISP-callable, no arguments, no result: asks for member A, then member B; A's web lines
// (and face lines, when both have them) end on B's and a joint line is drawn across A's end
// on layer "STIFF". Refused in the moulded display.
extern "C" TREVANCOM_API int TrevanComARX_StiffCrossObjtrimFunc();
