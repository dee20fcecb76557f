// A sibling module's view of the SDK: records made, copied and compared through the
// installed headers and libraries alone.
#include <cstdio>

#include "TrevanCom2002.h"

int main()
{
    CStiffData a;
    a.m_strFType = "LONG_A";
    a.m_rWebWidth = 150;
    a.m_rWebThick = 9;
    a.m_ptEnd.set(1000, 0, 0);
    CStiffData b;
    b.propCopy(a);
    b.reverseAxis();
    ZcGePoint3d s, e;
    if (!a.isSameSection(b) || b.m_ptEnd == a.m_ptEnd || b.getStiffItanigeAxis() != "L") return 1;
    if (!TrevanCom_GetWebCenterLine(a, s, e)) return 2;
    std::printf("same section, sides %s, centre at y=%.1f\n", static_cast<const char*>(b.m_strItanige), s.y);
    return 0;
}
