// Where a stiffener's web lies, from its line, its form, its web thickness and its itanige side.
#include <numbers>

#include "records/stiff_data.h"

namespace {

// I and H sections are drawn on their web centre; the others on the web's mould face.
bool drawnOnCentre(const CString& fType)
{
    return fType.CompareNoCase("LONG_I") == 0 || fType.CompareNoCase("LONG_H") == 0;
}

}  // namespace

ZcGeVector3d CStiffData::getStiffItanigeVec() const
{
    ZcGeVector3d v = (m_ptEnd - m_ptStart).normal();
    const double quarter = std::numbers::pi / 2.0;
    v.rotateBy(getStiffItanigeAxis().Compare("R") == 0 ? -quarter : quarter, ZcGeVector3d::kZAxis);
    return v;
}

void CStiffData::getWebMoldPt(ZcGePoint3d& ptS, ZcGePoint3d& ptE) const
{
    const ZcGeVector3d off = drawnOnCentre(m_strFType) ? getStiffItanigeVec() * (-m_rWebThick / 2.0) : ZcGeVector3d();
    ptS = m_ptStart + off;
    ptE = m_ptEnd + off;
}

void CStiffData::getWebItanigePt(ZcGePoint3d& ptS, ZcGePoint3d& ptE) const
{
    const double along = drawnOnCentre(m_strFType) ? m_rWebThick / 2.0 : m_rWebThick;
    const ZcGeVector3d off = getStiffItanigeVec() * along;
    ptS = m_ptStart + off;
    ptE = m_ptEnd + off;
}

void CStiffData::getWebCenterPt(ZcGePoint3d& ptS, ZcGePoint3d& ptE) const
{
    const ZcGeVector3d off = drawnOnCentre(m_strFType) ? ZcGeVector3d() : getStiffItanigeVec() * (m_rWebThick / 2.0);
    ptS = m_ptStart + off;
    ptE = m_ptEnd + off;
}
