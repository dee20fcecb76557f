// The stiffener texts as LISP functions, exported under their own names for the sibling
// modules, which define them as LISP functions.
#pragma once

#include "core/trevancom_export.h"

// (ename "STYLE" height create) -> T when both end texts were made or updated, else nil.
extern "C" TREVANCOM_API int TrevanComARX_MakeStiffTextLispFunc();
// (ename "STYLE" height create) -> T or nil; the text shows the stiffener's current name.
extern "C" TREVANCOM_API int TrevanComARX_MakeStiffNameTextLispFunc();
// (ename) -> ("STYLE" height) the stiffener's end texts are made with.
extern "C" TREVANCOM_API int TrevanComARX_GetStiffEndTypeStyleLispFunc();
// (ename) -> ("STYLE" height) of its name text.
extern "C" TREVANCOM_API int TrevanComARX_GetStiffNameStyleLispFunc();
// ("unused" point height rotation "TEXT") -> ename of a new text in model space, or nil.
extern "C" TREVANCOM_API int TrevanComARX_MakeText();
