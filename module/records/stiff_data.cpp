#include "records/stiff_data.h"

#include <cmath>

CStiffData::CStiffData()
    : m_ptStart(ZcGePoint3d::kOrigin), m_ptEnd(ZcGePoint3d::kOrigin), m_rDimAsz(0.0), m_strType("STIFF"),
      m_rWebWidth(0.0), m_rWebThick(0.0), m_rFaceWidth(0.0), m_rFaceThck(0.0), m_rCornerR1(0.0), m_rCornerR2(0.0),
      m_strEndTypeS("S"), m_strEndTypeE("S"), m_strItanige("R,R"), m_nRes1(0), m_nRes2(0), m_rRes1(0.0),
      m_rRes2(0.0), m_rWeight(0.0), m_nNewRes1(0), m_nNewRes2(0), m_rNewRes1(0.0), m_rNewRes2(0.0),
      m_rNormVecX(0.0), m_rNormVecY(0.0), m_rNormVecZ(1.0)
{
}

CStiffData& CStiffData::operator=(const CStiffData* pOther)
{
    if (pOther == nullptr || pOther == this) return *this;
    const ZcGePoint3d s = m_ptStart, e = m_ptEnd;
    *this = *pOther;
    m_ptStart = s;
    m_ptEnd = e;
    return *this;
}

void CStiffData::propCopy(const CStiffData& other)
{
    const double nx = m_rNormVecX, ny = m_rNormVecY, nz = m_rNormVecZ;
    *this = &other;
    m_rNormVecX = nx;
    m_rNormVecY = ny;
    m_rNormVecZ = nz;
}

bool CStiffData::isFlange() const
{
    return !m_strFType.IsEmpty() && m_strFType.CompareNoCase("LONG_F") != 0;
}

bool CStiffData::isSameSection(const CStiffData& other) const
{
    // Sizes read back from xdata and the material database differ in the last digits.
    const auto same = [](double a, double b) { return std::fabs(a - b) <= 1e-5; };
    return m_strType.CompareNoCase(other.m_strType) == 0 && m_strFType.CompareNoCase(other.m_strFType) == 0 &&
           same(m_rWebWidth, other.m_rWebWidth) && same(m_rWebThick, other.m_rWebThick) &&
           same(m_rFaceWidth, other.m_rFaceWidth) && same(m_rFaceThck, other.m_rFaceThck) &&
           same(m_rCornerR1, other.m_rCornerR1) && same(m_rCornerR2, other.m_rCornerR2);
}

void CStiffData::transformBy(const ZcGeMatrix3d& mat)
{
    // The plane normal stays as recorded: only the line moves.
    m_ptStart.transformBy(mat);
    m_ptEnd.transformBy(mat);
}
