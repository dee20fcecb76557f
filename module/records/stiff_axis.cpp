// The side string "itanige,flange" and the attachment string "axis,angle" of a stiffener.
#include <cmath>
#include <cstdlib>

#include "core/str_split.h"
#include "records/stiff_data.h"

namespace {

CStringArray split(const CString& text)
{
    CStringArray pieces;
    int noCase = 1;
    TrevanComARX_MakeStrArray(text, ",", pieces, noCase);
    return pieces;
}

// Anything but L is the right side.
CString normalSide(const CString& side) { return side.CompareNoCase("L") == 0 ? CString("L") : CString("R"); }

CString formatAngle(double angle)
{
    CString text;
    text.Format("%.4f", angle);
    return text;
}

}  // namespace

CString CStiffData::getStiffItanigeAxis() const { return split(m_strItanige)[0]; }

CString CStiffData::getStifffFlangeAxis() const
{
    CStringArray p = split(m_strItanige);
    return p.GetSize() >= 2 ? p[1] : p[0];
}

void CStiffData::setStiffItanigeAxis(const CString& side)
{
    const CString s = normalSide(side);
    CStringArray p = split(m_strItanige);
    m_strItanige = s + "," + (p.GetSize() > 1 ? p[1] : s);
}

void CStiffData::setStifffFlangeAxis(const CString& side)
{
    m_strItanige = split(m_strItanige)[0] + "," + normalSide(side);
}

CString CStiffData::getToritsukeAxis() const
{
    CStringArray p = split(m_strRes2);
    return p.GetSize() >= 2 ? p[0] : CString();
}

double CStiffData::getToritsukeAngle() const
{
    CStringArray p = split(m_strRes2);
    return std::atof(p.GetSize() >= 2 ? p[1] : p[0]);
}

void CStiffData::setToritsukeAxis(const CString& axis)
{
    if (axis.IsEmpty() || m_strRes2.IsEmpty()) {
        m_strRes2 = " ,0.0";
        return;
    }
    m_strRes2 = axis + "," + formatAngle(getToritsukeAngle());
}

void CStiffData::setToritsukeAngle(double angle)
{
    if (!std::isfinite(angle)) return;
    const CString a = formatAngle(angle);
    if (m_strRes2.IsEmpty()) {
        m_strRes2 = " ," + a;
        return;
    }
    CStringArray p = split(m_strRes2);
    if (p.GetSize() >= 2) {
        m_strRes2 = p[0] + "," + a;
        return;
    }
    // A lone number is an angle written without its axis, not an axis.
    const bool isAxis = !p[0].IsEmpty() && std::atof(p[0]) != 0.0;
    m_strRes2 = (isAxis ? p[0] : CString(" ")) + "," + a;
}

void CStiffData::reverseAxis()
{
    const auto flip = [](const CString& side) { return side.CompareNoCase("R") == 0 ? CString("L") : CString("R"); };
    const CString itanige = flip(getStiffItanigeAxis());
    const CString flange = flip(getStifffFlangeAxis());
    setStiffItanigeAxis(itanige);
    setStifffFlangeAxis(flange);
    setToritsukeAngle(-getToritsukeAngle());
}
