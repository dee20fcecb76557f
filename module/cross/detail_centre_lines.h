// Centre lines of an intersection detail: the reference line and the partners' centre
// lines restyled and run 150 beyond everything the detail shows.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The rectangle round the section figure and the boundary decides the length: the reference
// line runs from 150 below it to 150 above it, each partner centre line from 150 left of it
// to 150 right of it; all get colour 3 and line type "CENTER". A line that does not cross
// the rectangle twice keeps its ends. False when the rectangle cannot be measured or a line
// cannot be changed.
TREVANCOM_API bool TrevanCom_CrossDrawCentreLines(const ZcDbObjectIdArray& figureIds, const ZcDbObjectIdArray& centreLines,
                                                  ZcDbObjectId boundaryId, ZcDbObjectId refLineId);
