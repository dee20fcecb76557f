// Cutting member A where it meets member B: A's web lines end on B's web, and the two cut
// points give the joint line across A's end.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// A's two web lines are cut at the web line of B facing A's body; the cut points come back
// in pt1 and pt2 (for A's first and second line). Messages name what stopped it: a member
// too short to enclose anything, a centre line that cannot be found, parallel members.
TREVANCOM_API void TrevanCom_StiffCrossObjtrim_Sub(ZcDbObjectId a1, ZcDbObjectId a2, ZcDbObjectId b1, ZcDbObjectId b2,
                                                   ZcGePoint3d& pt1, ZcGePoint3d& pt2);
// The same, saying whether both cut points were found.
bool TrevanCom_CrossCutWebLines(ZcDbObjectId a1, ZcDbObjectId a2, ZcDbObjectId b1, ZcDbObjectId b2, ZcGePoint3d& pt1,
                                ZcGePoint3d& pt2);
