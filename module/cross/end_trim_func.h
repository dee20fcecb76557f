// Trimming members' ends onto their partners, member by member, as the user picks them.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// LISP-callable, no arguments, no result: asks for a through member and its partners until
// the through-member pick ends. Refused in the moulded display.
extern "C" TREVANCOM_API int TrevanComARX_StiffTanbuTrimFunc();
