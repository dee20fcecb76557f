// Highlighting entities on the screen.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Highlights (flag non-zero) or removes the highlight (flag 0).
TREVANCOM_API void TrevanComARX_HighLightObj(ZcDbObjectId objId, int nFlag);
TREVANCOM_API void TrevanComARX_HighLightObj(ZcDbObjectIdArray objIds, int nFlag);
