// Actual-plate lines: the real faces of a stiffener's section drawn as lines beside its
// moulded line, each linked back to the stiffener and all of them grouped under its handle.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

#define TREVANCOM_PLATE_LINE_APP "STIFF_SupportDraw_JitsuitaLine"

// Builds the lines from the stiffener's record and stores their handles in it. A record
// that cannot be read, or a section type without a shape letter, leaves all as it was.
TREVANCOM_API void TrevanCom_CreateJitsuitaLine(ZcDbObjectId stiffId);
// Two lines, (0,1) and (2,3), colours 1 and 2. strings: stiffener handle, its layer.
// handles: the new lines' handles joined by ",". False when one cannot be appended (the
// lines made before stay).
TREVANCOM_API bool TrevanCom_CreateJitsuitaLineL(const char* linetype, const ZcGePoint3dArray& points,
                                                 const CStringArray& strings, CString& handles);
// Four lines, (0,1) (2,3) (4,5) (6,7), colours 1, 1, 3, 3.
TREVANCOM_API bool TrevanCom_CreateJitsuitaLineH(const char* linetype, const ZcGePoint3dArray& points,
                                                 const CStringArray& strings, CString& handles);
