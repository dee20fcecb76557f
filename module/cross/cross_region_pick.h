// The region of an intersection detail: two corners the user gives round the crossing, so
// that every member's line runs across the rectangle's edge.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

#include "records/stiff_data.h"

// Asks until the corners make a rectangle every member's line crosses; the corners come
// back in world coordinates. False on Esc at the first corner. Object snaps are off while
// the corners are asked.
TREVANCOM_API bool TrevanCom_CrossPickRegion(const ZcArray<CStiffData>& records, ZcGePoint3d& corner1, ZcGePoint3d& corner2);
// Whether each record's line crosses the edge of the rectangle with these corners; the
// rectangle and the lines are drawn in model space for the test and erased again.
TREVANCOM_API bool TrevanCom_CrossRegionHoldsMembers(const ZcArray<CStiffData>& records, const ZcGePoint3d& corner1,
                                       const ZcGePoint3d& corner2);
