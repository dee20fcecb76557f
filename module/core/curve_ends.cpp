#include "core/curve_ends.h"

#include "core/finite.h"

bool TrevanCom_GetCurveSEpt(const ZcDbCurve* pCurve, ZcGePoint3d& startPt, ZcGePoint3d& endPt)
{
    if (pCurve == nullptr) return false;
    ZcGePoint3d s, e;
    if (pCurve->getStartPoint(s) != Zcad::eOk || pCurve->getEndPoint(e) != Zcad::eOk) return false;
    startPt = s;
    endPt = e;
    return true;
}

bool TrevanCom_GetCurveSEpt(ZcDbObjectId objId, ZcGePoint3d& startPt, ZcGePoint3d& endPt)
{
    ZcDbObjectPointer<ZcDbCurve> pCurve(objId, ZcDb::kForRead);
    if (pCurve.openStatus() != Zcad::eOk) return false;
    return TrevanCom_GetCurveSEpt(pCurve.object(), startPt, endPt);
}

bool TrevanCom_SetCurveSEpt(ZcDbLine* pLine, const ZcGePoint3d& startPt, const ZcGePoint3d& endPt)
{
    if (pLine == nullptr || !TrevanCom_IsFinite(startPt) || !TrevanCom_IsFinite(endPt)) return false;
    return pLine->setStartPoint(startPt) == Zcad::eOk && pLine->setEndPoint(endPt) == Zcad::eOk;
}

bool TrevanCom_SetCurveSEpt(ZcDbObjectId objId, const ZcGePoint3d& startPt, const ZcGePoint3d& endPt)
{
    if (!TrevanCom_IsFinite(startPt) || !TrevanCom_IsFinite(endPt)) return false;
    ZcDbObjectPointer<ZcDbLine> pLine(objId, ZcDb::kForWrite);
    if (pLine.openStatus() != Zcad::eOk) return false;
    return TrevanCom_SetCurveSEpt(pLine.object(), startPt, endPt);
}
