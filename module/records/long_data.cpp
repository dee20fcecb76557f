#include "records/long_data.h"

#include <cmath>

namespace {

const double kSameReal = 1e-6;

bool near(double a, double b) { return std::fabs(a - b) <= kSameReal; }

bool sameText(const CString& a, const CString& b) { return a.CompareNoCase(b) == 0; }

// Forms whose second size is the web thickness and third the face width; every other form
// (the angle "A" and the built-up "H" among them) has them the other way round.
bool thicknessSecond(const CString& form)
{
    for (const char* f : {"T", "L2", "F", "B"}) {
        if (form.CompareNoCase(f) == 0) return true;
    }
    return false;
}

}  // namespace

CLongData::CLongData()
    : m_vecNormal(0.0, 0.0, 1.0), m_rSize1(0.0), m_rSize2(0.0), m_rSize3(0.0), m_rSize4(0.0), m_rSize5(0.0),
      m_rSize6(0.0), m_nRes1(0), m_nRes2(0), m_rRes1(0.0), m_rRes2(0.0), m_rRes3(0.0), m_rWeight(0.0), m_nNewRes1(0),
      m_nNewRes2(0), m_rNewRes1(0.0), m_rNewRes2(0.0)
{
}

CLongData& CLongData::operator=(const CLongData* pOther)
{
    if (pOther != nullptr) *this = *pOther;
    return *this;
}

bool CLongData::setData(const CStiffData& stiff, LPCTSTR /*strName*/)
{
    CStiffData section;
    section.propCopy(stiff);
    m_strType = "LONG";
    // "LONG_F" gives "F".
    m_strFType = section.m_strFType.Mid(5);
    m_rSize1 = section.m_rWebWidth;
    if (thicknessSecond(m_strFType)) {
        m_rSize2 = section.m_rWebThick;
        m_rSize3 = section.m_rFaceWidth;
    } else {
        m_rSize2 = section.m_rFaceWidth;
        m_rSize3 = section.m_rWebThick;
    }
    m_rSize4 = section.m_rFaceThck;
    m_rSize5 = section.m_rCornerR1;
    m_rSize6 = section.m_rCornerR1;
    m_rWeight = section.m_rWeight;
    return true;
}

bool CLongData::operator==(const CLongData& o) const
{
    ZcGeTol tol;
    tol.setEqualVector(kSameReal);
    if (!m_vecNormal.isEqualTo(o.m_vecNormal, tol)) return false;
    if (!sameText(m_strType, o.m_strType) || !sameText(m_strFType, o.m_strFType) ||
        !sameText(m_strRes1, o.m_strRes1) || !sameText(m_strRes2, o.m_strRes2) ||
        !sameText(m_strLandingLine, o.m_strLandingLine) || !sameText(m_strNewRes1, o.m_strNewRes1) ||
        !sameText(m_strNewRes2, o.m_strNewRes2))
        return false;
    if (!near(m_rSize1, o.m_rSize1) || !near(m_rSize2, o.m_rSize2) || !near(m_rSize3, o.m_rSize3) ||
        !near(m_rSize4, o.m_rSize4) || !near(m_rSize5, o.m_rSize5) || !near(m_rSize6, o.m_rSize6) ||
        !near(m_rRes2, o.m_rRes2) || !near(m_rRes3, o.m_rRes3) || !near(m_rWeight, o.m_rWeight) ||
        !near(m_rNewRes1, o.m_rNewRes1) || !near(m_rNewRes2, o.m_rNewRes2))
        return false;
    return m_rRes1 == o.m_rRes1 && m_nRes1 == o.m_nRes1 && m_nRes2 == o.m_nRes2 && m_nNewRes1 == o.m_nNewRes1 &&
           m_nNewRes2 == o.m_nNewRes2;
}

bool CLongData::equal(const CLongData& o) const
{
    return sameText(m_strFType, o.m_strFType) && near(m_rSize1, o.m_rSize1) && near(m_rSize2, o.m_rSize2) &&
           near(m_rSize3, o.m_rSize3) && near(m_rSize4, o.m_rSize4) && near(m_rSize5, o.m_rSize5) &&
           near(m_rSize6, o.m_rSize6) && m_nRes1 == o.m_nRes1;
}
