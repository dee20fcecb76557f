// The actual-plate lines as LISP functions, exported for the sibling modules.
#pragma once

#include "core/trevancom_export.h"

// (ename) -> T when the stiffener's lines were rebuilt, else nil.
extern "C" TREVANCOM_API int TrevanComARX_RedrawStiffJitsuitaLispFunc();
// (ename) -> T after erasing the stiffener's lines; its record still lists them.
extern "C" TREVANCOM_API int TrevanComARX_DeleteStiffJitsuitaLineLispFunc();
