// Where a line picked across curves crosses each of them, ordered from its first point.
// Exported for the sibling modules, which define it as a LISP function.
#pragma once

#include <vector>

#include "zrx.h"

#include "core/trevancom_export.h"

struct TrevanLineCrossing {
    ZcDbObjectId m_id;
    ZcGePoint3d m_pt;
};

// For each curve the point where the line through from and to, extended, meets it nearest
// to from (the earlier of equally near ones), ordered by that distance; a curve the line
// does not meet is left out. An entity that is no curve prints "\n引数エラー" and is left
// out.
TREVANCOM_API std::vector<TrevanLineCrossing> TrevanCom_LineCrossings(const ZcGePoint3d& from, const ZcGePoint3d& to,
                                                                      const ZcDbObjectIdArray& curves);

// (point point pickset) -> the crossing points ordered from the first point, or nil.
extern "C" TREVANCOM_API int TrevanComARX_sss_v2_func02();
