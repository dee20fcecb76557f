// The drawing's display mode, read from the first stiffener: visible is the moulded display,
// hidden the actual-plate display. Nothing stores it.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Shows or hides the stiffener and its two Y marks; what cannot be opened is passed over.
TREVANCOM_API void TrevanComARX_StiffVisibility(ZcDbObjectId stiffId, bool bVisible);
// True for the moulded display, also without stiffeners or when the first cannot be opened.
TREVANCOM_API bool TrevanCom_GetStiffShowMode();
// 0 moulded, 1 actual-plate, -1 no stiffener (with a message), -2 the first cannot be opened.
extern "C" TREVANCOM_API int TrevanComARX_GetStiffShowMode();
// () -> the number above; RTNORM for 0 and 1, RTERROR otherwise.
extern "C" TREVANCOM_API int TrevanComARX_GetStiffShowModeFunc();
