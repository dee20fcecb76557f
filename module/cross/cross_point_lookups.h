// What sibling modules ask of intersection points: a point's brackets in a drawing, and the
// support plates of its detail drawing.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "records/support_plate_attr.h"

// Appends the model-space brackets of the database whose parent is the point's handle.
TREVANCOM_API void TrevanComARX_GetCrossSupportBracket(const char* pointHandle, ZcDbObjectIdArray& bracketIds,
                                                       ZcDbDatabase* pDb);
// Appends copies of the plate outlines of the point's detail drawing, which the caller owns
// (TrevanCom_ClearAcDbEntityAcDbVoidPtrArray), and their records in the same order. False
// when the point names no drawing that opens and holds its frame record, reference line
// and plates.
TREVANCOM_API bool TrevanComARX_GetBracketData(ZcDbObjectId pointId, ZcDbVoidPtrArray& plates,
                                               ZcArray<SupportPlateAttr>& attrs);
