// Turning the brackets of intersection points to the other face of their partners' webs.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// LISP-callable, no arguments, no result: the picked brackets' points get all their
// brackets rebuilt on the other side, each point once however many of its brackets are
// picked.
extern "C" TREVANCOM_API int TrevanComARX_StiffCrossReverseFunc();
