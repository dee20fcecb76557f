// Every stiffener of the drawing: the model-space entities carrying the application "STIFF".
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Appends, in model-space order, the stiffeners of the working drawing. False (with a
// message naming the step) when the block table, model space or an iterator over it cannot
// be had.
TREVANCOM_API bool TrevanCom_GetAllStiffObjectIdArray(ZcDbObjectIdArray& objIds);
