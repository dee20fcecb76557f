// The phantom boundary drawn round the cut-out of an intersection detail.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// In the working drawing: loads "CENTER" and "PHANTOM2" when missing, then draws the
// rectangle round everything in model space (colour 6, "PHANTOM2"). False, with a message,
// when a line type cannot be loaded or model space cannot be walked.
TREVANCOM_API bool TrevanCom_CrossDrawBoundary(ZcDbObjectId& boundaryId, ZcGePoint3d& maxPt, ZcGePoint3d& minPt);
