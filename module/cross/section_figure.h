// The cross-section outline of a through member in an intersection detail, as vertex lists
// in the detail's turned frame (the member runs along Y).
#pragma once

#include <vector>

#include "zrx.h"

#include "core/trevancom_export.h"
#include "records/stiff_data.h"

// Flange axis, plate-escape axis and, unless the member lies level, the flange side as drawn.
TREVANCOM_API void TrevanCom_CrossSideList(const CStiffData& through, CStringArray& sides);
// The outlines of the section (one closed outline each, the T-bar's web and face apart), the
// figure's top-right corner 500 below the reference point. Empty for a section type it does
// not know.
TREVANCOM_API std::vector<std::vector<ZcGePoint2d>> TrevanCom_CrossSectionOutlines(const CStiffData& through,
                                                                                  const ZcGePoint3d& refPt,
                                                                                  ZcGePoint3d& basePt);
