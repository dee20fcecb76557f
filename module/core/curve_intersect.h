// Where two entities meet.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Appends the intersections of a with b under the host's extension mode; false when either
// cannot be opened or the host cannot intersect them.
TREVANCOM_API bool TrevanCom_GetintersectWith(ZcDbObjectId idA, ZcDbObjectId idB, ZcDb::Intersect intType,
                                              ZcGePoint3dArray& points);
