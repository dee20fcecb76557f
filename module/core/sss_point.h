// The body-plan base point of a drawing: the first model-space point entity carrying the
// application "DCLS".
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// 1 with its position; 0 when the drawing has none (or its model space cannot be walked,
// with a message naming the step).
TREVANCOM_API int TrevanComARX_GetSSSOpt(ZcDbDatabase* pDb, ZcGePoint3d& basePt);
