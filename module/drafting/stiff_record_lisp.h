// A stiffener's record from LISP: its end points, and its attachment angle. Exported under
// their own names for the sibling modules, which define them as LISP functions.
#pragma once

#include "core/trevancom_export.h"

// (ename) -> (start end) of the stiffener's record, or nil. No argument prints
// "\n引数エラー"; a first item that is no entity name "\n引数エラー1".
extern "C" TREVANCOM_API int TrevanComARX_GetStfiffSEPt();
// (ename angle), the angle a real -> T when the record was written back with it, nil
// otherwise ("\n引数エラー" for bad arguments).
extern "C" TREVANCOM_API int TrevanComARX_SetStiffAngle();
