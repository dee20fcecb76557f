// Arrow sizes of stiffeners: the arrows of dimension-type stiffeners and the Y marks at
// stiffener ends kept readable for the stiffeners' lengths.
#pragma once

#include "core/trevancom_export.h"

// The command: the shortest stiffener of the drawing over 50 gives the size, set on the
// styles "STIFF1" to "STIFF3", on every dimension-type stiffener (as its own arrow size,
// divided by its overall scale) and as the scale of every Y mark. No prompts.
TREVANCOM_API void TrevanCom_SetSitiffAsz();

// (ename) -> T once the stiffener's arrows or Y marks are sized for its own length; nil and
// "\n引数エラー" for an entity that is neither an aligned dimension nor a curve, or has no
// length. A stiffener at least four arrows long keeps the base size: its style's arrow size
// for a dimension, else that of the style "STIFF1", else the drawing's DIMASZ; a shorter one
// takes a tenth of its length.
extern "C" TREVANCOM_API int TrevanComARX_SetSitiffAszLispFunc();
