// The partner members of an intersection detail: their elevation beside the through
// member's section, and their centre lines in the cut-out.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "records/stiff_data.h"

// records: the through member first, then the partners; partnerPts: two points a partner.
// Each partner's web edges (and face and flange lines of sections that have them) are drawn
// level with the section's top (topPt), from the section's side out to the boundary on each
// side of the through member the partner reaches; they go to lines. Each partner's web
// centre line goes to centreLines. False when an entity cannot be appended or the boundary
// or section cannot be measured.
TREVANCOM_API bool TrevanCom_CrossDrawPartnerLines(const ZcArray<CStiffData>& records, const ZcGePoint3dArray& partnerPts,
                                                   const ZcGePoint3d& topPt, ZcDbObjectId boundaryId,
                                                   const ZcDbObjectIdArray& figureIds, ZcDbObjectIdArray& lines,
                                                   ZcDbObjectIdArray& centreLines);
