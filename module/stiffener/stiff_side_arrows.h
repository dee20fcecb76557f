// The plate-escape and flange sides of stiffeners shown as temporary arrows on the screen:
// they never enter the drawing and are gone at the next regeneration.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// An arrow from the stiffener's middle towards the side, yellow; false when the record
// cannot be read. Its length is a tenth of the view's height, at most 0.3 of the stiffener.
TREVANCOM_API bool TrevanComARX_ShowItanigeSide(ZcDbObjectId stiffId);
TREVANCOM_API bool TrevanComARX_ShowFlangeSide(ZcDbObjectId stiffId);
// The plate-escape arrows of the stiffeners in the LISP global selection set
// "##TreviComArx_Lisp_Gloval_Itanige", then the flange arrows of those in
// "##TreviComArx_Lisp_Gloval_Flange". "##TreviComArx_Lisp_Gloval_Rabatt" is read and unused.
TREVANCOM_API void TrevanComARX_ShowStiffDetail();
// () -> nothing (LISP shows nil).
extern "C" TREVANCOM_API int TrevanComARX_ShowStiffDetailLispFunc();
