// Where a line picked across curves crosses each of them, ordered from its first point.
// Exported for the sibling modules, which define it as a LISP function.
#pragma once

#include <vector>

#include "zrx.h"

#include "core/trevancom_export.h"

struct TrevanLineCrossing {
    ZcDbObjectId m_id;
    ZcGePoint3d m_pt;
    // False when the line does not meet the curve; m_pt is then meaningless.
    bool m_bFound = false;
};

// For each curve the point where the line through from and to, extended, meets it nearest
// to from (the earlier of equally near ones), ordered by that distance; curves the line
// does not meet come last. An entity that is no curve prints "\n引数エラー" and is left
// out.
TREVANCOM_API std::vector<TrevanLineCrossing> TrevanCom_LineCrossings(const ZcGePoint3d& from, const ZcGePoint3d& to,
                                                                      const ZcDbObjectIdArray& curves);

// Asks for two points and selects the polylines and splines the line between them
// crosses -> (point point pickset), the set ordered as above; nil when a point is not
// given or the selection is cancelled, "FAIL" when nothing is selected.
extern "C" TREVANCOM_API int TrevanComARX_sss_v2_func01();
// (point point pickset) -> the crossing points ordered from the first point, or nil.
extern "C" TREVANCOM_API int TrevanComARX_sss_v2_func02();
