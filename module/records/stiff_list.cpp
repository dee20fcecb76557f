#include "records/stiff_list.h"

#include "core/rb_readers.h"

namespace {

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

void TrevanCom_BuildStiffList(const CStiffData& s, CRecordList& list)
{
    list.str(s.m_strType).str(s.m_strFType).str(s.m_strName).str(s.m_strCode);
    list.real(s.m_rWebWidth).real(s.m_rWebThick).real(s.m_rFaceWidth).real(s.m_rFaceThck);
    list.real(s.m_rCornerR1).real(s.m_rCornerR2);
    list.str(s.m_strEndTypeS).str(s.m_strEndTypeE).str(s.m_strItanige).str(s.m_strRes1).str(s.m_strRes2);
    list.integer(s.m_nRes1).integer(s.m_nRes2).real(s.m_rRes1).real(s.m_rRes2);
    list.str(s.m_strMaterial).real(s.m_rWeight).str(s.m_strNewRes1).str(s.m_strNewRes2);
    list.integer(s.m_nNewRes1).integer(s.m_nNewRes2).real(s.m_rNewRes1).real(s.m_rNewRes2);
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
