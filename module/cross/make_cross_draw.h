// The intersection detail command: a stiffener crossing of the plan cut out, turned so that
// the through member runs along Y, and filed as a detail drawing of its own with its
// section figure, partner lines, centre lines, frame and size texts.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// TRV_MakeCrossDraw.
void TrevanCom_MakeCrossDraw();
// The same sequence for a sibling module; sets no LISP result, gives RTNORM.
extern "C" TREVANCOM_API int TrevanComARX_GetStiffCrossPartDrawFunc();
