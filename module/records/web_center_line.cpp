#include "records/web_center_line.h"

#include "records/stiff_exports.h"

bool TrevanCom_GetWebCenterLine(const CStiffData& stiff, ZcGePoint3d& ptS, ZcGePoint3d& ptE)
{
    if (stiff.m_ptStart.isEqualTo(stiff.m_ptEnd)) return false;
    // The shape letter follows the first "_" of the form code; I and H lie on their centre.
    const int bar = stiff.m_strFType.Find('_');
    const CString shape = bar >= 0 ? stiff.m_strFType.Mid(bar + 1) : CString();
    const bool onCentre = shape.CompareNoCase("I") == 0 || shape.CompareNoCase("H") == 0;
    const ZcGeVector3d off = onCentre ? ZcGeVector3d() : stiff.getStiffItanigeVec() * (stiff.m_rWebThick / 2.0);
    ptS = stiff.m_ptStart + off;
    ptE = stiff.m_ptEnd + off;
    return true;
}

bool TrevanCom_GetWebCenterLine(ZcDbObjectId objId, ZcGePoint3d& ptS, ZcGePoint3d& ptE)
{
    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(objId, stiff)) return false;
    return TrevanCom_GetWebCenterLine(stiff, ptS, ptE);
}
