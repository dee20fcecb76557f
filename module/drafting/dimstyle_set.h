// A dimension-style entry point that sibling modules still call from LISP. It has no work
// left to do and gives no result; it stays so that their calls keep answering.
#pragma once

#include "core/trevancom_export.h"

extern "C" TREVANCOM_API int TrevanComARX_DimstyleSet();
