// The end points of curves.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// False when the curve cannot give them.
TREVANCOM_API bool TrevanCom_GetCurveSEpt(const ZcDbCurve* pCurve, ZcGePoint3d& startPt, ZcGePoint3d& endPt);
// False when the entity cannot be opened or is no curve.
TREVANCOM_API bool TrevanCom_GetCurveSEpt(ZcDbObjectId objId, ZcGePoint3d& startPt, ZcGePoint3d& endPt);
// Sets both end points of a line (open for write); false, the line untouched, when a
// coordinate is not finite.
TREVANCOM_API bool TrevanCom_SetCurveSEpt(ZcDbLine* pLine, const ZcGePoint3d& startPt, const ZcGePoint3d& endPt);
// False when the entity cannot be opened for write or is no line.
TREVANCOM_API bool TrevanCom_SetCurveSEpt(ZcDbObjectId objId, const ZcGePoint3d& startPt, const ZcGePoint3d& endPt);
