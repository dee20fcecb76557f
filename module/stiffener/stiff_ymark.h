// The Y marks at a stiffener's ends: block references the stiffener names by its links
// "STIFF_SYMARK_HDNAME" (start) and "STIFF_EYMARK_HDNAME" (end).
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// (ename point) -> T after showing a hidden mark or hiding a shown one, at the end the point
// is nearer to (the end mark on a tie). T also when the link leads nowhere; nil without a
// message when the entity is no curve or the data folder is unknown.
extern "C" TREVANCOM_API int TrevanComARX_setLineStiffYMarkOnOff();
