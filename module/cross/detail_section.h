// The reference line along the through member of an intersection detail and the member's
// cross-section drawn below the cut-out.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "records/stiff_data.h"

#define TREVANCOM_DETAIL_STLINE_APP "PlanRecord_Stline"

// Draws the reference line (the member's own line, marked with "PlanRecord_Stline" = "DMY"),
// finds where it leaves the boundary at its lower side (refPt) and draws the section as
// closed polylines with their top-right corner (basePt) 500 below that. A section type
// without a figure draws none and still succeeds. False when the line does not cross the
// boundary, crosses it more than twice, or an entity cannot be appended.
TREVANCOM_API bool TrevanCom_CrossDrawSection(const CStiffData& through, ZcDbObjectId boundaryId,
                                              ZcDbObjectId& refLineId, ZcGePoint3d& refPt, ZcGePoint3d& basePt,
                                              ZcDbObjectIdArray& figureIds);
