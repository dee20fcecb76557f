// The stiffener label as a LISP function, exported under its own name for the sibling
// modules, which define it as a LISP function.
#pragma once

#include "core/trevancom_export.h"

// (ename ["APP"]) -> the label string of the stiffener's record under the application
// ("STIFF" when none or not a string is given), or nil when it has no label.
extern "C" TREVANCOM_API int TrevanComARX_MakeStiffText();
