// Placing an intersection point: the members picked, the detail drawing chosen, the point
// named, its brackets drawn and the area and weight of its support plates recorded.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// LISP-callable, no arguments, no result.
extern "C" TREVANCOM_API int TrevanComARX_StiffCrossDataSetFunc();
