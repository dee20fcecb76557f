#include "core/number_text.h"

CString TrevanComARX_ChangeDoubleToString(double value)
{
    CString strText;
    strText.Format("%lf", value);
    int nPoint = strText.Find('.');
    // Infinities and NaNs have no point to trim after.
    if (nPoint < 0) return strText;
    int nEnd = strText.GetLength();
    while (nEnd > nPoint + 1 && strText[nEnd - 1] == '0') --nEnd;
    if (nEnd == nPoint + 1) nEnd = nPoint;
    return strText.Left(nEnd);
}
