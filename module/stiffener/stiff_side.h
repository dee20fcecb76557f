// The plate-escape and flange sides of a stiffener set by a picked point, and on which side
// of a line a stiffener lies.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "records/stiff_data.h"

// "L" when the point lies left of the stiffener's direction, else "R"; written only when it
// differs from the stored side. False when the record cannot be read or written.
TREVANCOM_API bool TrevanComARX_setStiffItanige(ZcDbObjectId stiffId, const ZcGePoint3d& pt);
TREVANCOM_API bool TrevanComARX_setStiffFlangeAxis(ZcDbObjectId stiffId, const ZcGePoint3d& pt);
// (ename point) -> T, or nil; a changed side rebuilds the actual-plate lines.
extern "C" TREVANCOM_API int TrevanComARX_setStiffItanigeLispFunc();
extern "C" TREVANCOM_API int TrevanComARX_setStiffFlangeAxisLispFunc();

// 1 when the stiffener's end farther from the line a-b lies left of it, else 0.
TREVANCOM_API int TrevanComARX_GetStiffLR(const ZcGePoint3d& a, const ZcGePoint3d& b, const CStiffData& stiff);
// The first stiffener's start and end as the line.
TREVANCOM_API int TrevanComARX_GetStiffLR(const CStiffData& line, const CStiffData& stiff);
// 0 when either record cannot be read.
TREVANCOM_API int TrevanComARX_GetStiffLR(ZcDbObjectId lineId, ZcDbObjectId stiffId);
