#include "core/str_split.h"

namespace {

// Quotes a user put round a name in a settings file are not part of the name.
CString unquote(const CString& piece)
{
    const int n = piece.GetLength();
    if (n >= 1 && piece[0] == '"' && piece[n - 1] == '"') return n <= 2 ? CString() : piece.Mid(1, n - 2);
    return piece;
}

}  // namespace

void TrevanComARX_MakeStrArray(const CString& strSrc, const CString& strSep, CStringArray& arr, int& nNoCase)
{
    const int len = strSrc.GetLength();
    const int sepLen = strSep.GetLength();
    int start = 0;
    for (int i = 0; i < len && sepLen > 0; ++i) {
        CString here = strSrc.Mid(i, sepLen);
        bool match = nNoCase != 0 ? here.CompareNoCase(strSep) == 0 : here.Compare(strSep) == 0;
        if (!match) continue;
        arr.Add(unquote(strSrc.Mid(start, i - start)));
        start = i + 1;
    }
    CString last = start < len ? strSrc.Mid(start) : CString();
    const int n = last.GetLength();
    // An opening "" with nothing to close it is an empty field cut short by the line's end.
    if (n >= 2 && last[0] == '"' && last[1] == '"' && last[n - 1] != '"') last.Empty();
    arr.Add(unquote(last));
}
