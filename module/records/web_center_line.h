// The centre line of a stiffener's web, for siblings that draw or cut along it.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "records/stiff_data.h"

// False when the stiffener has no length, so no side can be told.
TREVANCOM_API bool TrevanCom_GetWebCenterLine(const CStiffData& stiff, ZcGePoint3d& ptS, ZcGePoint3d& ptE);
// The same for a stiffener entity, whose record is read first; false when it has none.
TREVANCOM_API bool TrevanCom_GetWebCenterLine(ZcDbObjectId objId, ZcGePoint3d& ptS, ZcGePoint3d& ptE);
