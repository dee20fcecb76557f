// The box around a set of entities.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The box enclosing the geometric extents of every entity that can be opened. False for an
// empty list or when the first entity cannot be opened.
TREVANCOM_API bool TrevanComARX_GetGeomExtents(const ZcDbObjectIdArray& objIds, ZcGePoint3d& maxPt, ZcGePoint3d& minPt);
