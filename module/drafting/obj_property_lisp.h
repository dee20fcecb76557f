// Line type scale and line type of one entity, from LISP. Exported under their own names
// for the sibling modules, which define them as LISP functions.
#pragma once

#include "core/trevancom_export.h"

// (ename scale), the scale a real or an integer -> T, or nil (with "\n引数エラー" for bad
// arguments) when the entity cannot take it.
extern "C" TREVANCOM_API int TrevanComARX_SetObjLtscaleLispFunc();
// (ename "linetype") -> T, or nil without a message, also when the drawing has no such
// line type.
extern "C" TREVANCOM_API int TrevanComARX_SetObjLinetypeLispFunc();
