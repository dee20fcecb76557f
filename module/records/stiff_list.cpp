#include "records/stiff_list.h"

#include <cstdint>

#include "core/rb_readers.h"

namespace {

// xdata integers hold 16 bits; the wider record value keeps only its low half.
int low16(int value) { return static_cast<int16_t>(value); }

// Walks the list one item per field: a required item must be there with its type, an
// optional one falls back to its default but still takes its place.
class ItemWalker {
public:
    explicit ItemWalker(const resbuf* list) : m_rb(list) {}

    bool str(CString& value) { return take(TrevanComARX_RbGetStr(m_rb, value)); }
    bool real(double& value) { return take(TrevanComARX_RbGetReal(m_rb, value)); }
    bool integer(int& value) { return take(TrevanComARX_RbGetInt(m_rb, value)); }

    void optStr(CString& value)
    {
        if (!str(value)) value.Empty();
    }
    void optReal(double& value)
    {
        if (!real(value)) value = 0.0;
    }
    void optInteger(int& value)
    {
        if (!integer(value)) value = 0;
    }

private:
    bool take(int answer)
    {
        if (m_rb != nullptr) m_rb = m_rb->rbnext;
        return answer == 1;
    }
    const resbuf* m_rb;
};

}  // namespace

resbuf* TrevanCom_BuildStiffList(const CStiffData& s)
{
    return zcutBuildList(RTSTR, (LPCTSTR)s.m_strType, RTSTR, (LPCTSTR)s.m_strFType,
                         RTSTR, (LPCTSTR)s.m_strName, RTSTR, (LPCTSTR)s.m_strCode,
                         RTREAL, s.m_rWebWidth, RTREAL, s.m_rWebThick, RTREAL, s.m_rFaceWidth,
                         RTREAL, s.m_rFaceThck, RTREAL, s.m_rCornerR1, RTREAL, s.m_rCornerR2,
                         RTSTR, (LPCTSTR)s.m_strEndTypeS, RTSTR, (LPCTSTR)s.m_strEndTypeE,
                         RTSTR, (LPCTSTR)s.m_strItanige, RTSTR, (LPCTSTR)s.m_strRes1,
                         RTSTR, (LPCTSTR)s.m_strRes2, RTSHORT, low16(s.m_nRes1), RTSHORT, low16(s.m_nRes2),
                         RTREAL, s.m_rRes1, RTREAL, s.m_rRes2,
                         RTSTR, (LPCTSTR)s.m_strMaterial, RTREAL, s.m_rWeight,
                         RTSTR, (LPCTSTR)s.m_strNewRes1, RTSTR, (LPCTSTR)s.m_strNewRes2,
                         RTSHORT, low16(s.m_nNewRes1), RTSHORT, low16(s.m_nNewRes2),
                         RTREAL, s.m_rNewRes1, RTREAL, s.m_rNewRes2, 0);
}

bool TrevanCom_ParseStiffList(const resbuf* list, CStiffData& s)
{
    ItemWalker w(list);
    const bool head = w.str(s.m_strType) && w.str(s.m_strFType) && w.str(s.m_strName) && w.str(s.m_strCode) &&
                      w.real(s.m_rWebWidth) && w.real(s.m_rWebThick) && w.real(s.m_rFaceWidth) &&
                      w.real(s.m_rFaceThck) && w.real(s.m_rCornerR1) && w.real(s.m_rCornerR2) &&
                      w.str(s.m_strEndTypeS) && w.str(s.m_strEndTypeE) && w.str(s.m_strItanige);
    if (!head) return false;
    // Early drawings left the side blank; the right side was meant.
    if (s.m_strItanige.IsEmpty()) s.m_strItanige = "R";
    const bool reserves = w.str(s.m_strRes1) && w.str(s.m_strRes2) && w.integer(s.m_nRes1) &&
                          w.integer(s.m_nRes2) && w.real(s.m_rRes1) && w.real(s.m_rRes2);
    if (!reserves) return false;
    w.optStr(s.m_strMaterial);
    w.optReal(s.m_rWeight);
    w.optStr(s.m_strNewRes1);
    w.optStr(s.m_strNewRes2);
    w.optInteger(s.m_nNewRes1);
    w.optInteger(s.m_nNewRes2);
    w.optReal(s.m_rNewRes1);
    w.optReal(s.m_rNewRes2);
    return true;
}
