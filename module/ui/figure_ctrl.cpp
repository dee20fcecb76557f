#include "ui/figure_ctrl.h"

#include "ui/number_check.h"

BEGIN_MESSAGE_MAP(CFigureCtrl, CEdit)
    ON_WM_CHAR()
END_MESSAGE_MAP()

void CFigureCtrl::SetFigure(int figure)
{
    if (figure >= 0) m_nFigure = figure;
}

void CFigureCtrl::SetMinusFlag(int minus) { m_nMinusFlag = minus; }

void CFigureCtrl::SetCheckFlag(int check) { m_nCheckFlag = check; }

void CFigureCtrl::OnChar(UINT ch, UINT repeat, UINT flags)
{
    CEdit::OnChar(ch, repeat, flags);
    InputNumCheck();
}

int CFigureCtrl::InputNumCheck()
{
    if (m_nCheckFlag != 1) return 1;
    CString text;
    GetWindowText(text);
    int length = 0;
    const int at = TrevanCom_FirstInvalidFigure(text, m_nFigure, m_nMinusFlag, length);
    if (at < 0) return 1;
    // One character per check: a pasted text loses its first offender only.
    SetSel(at, at + length);
    Clear();
    return 0;
}

void CFigureCtrl::DataToString(double value, CString& text) const
{
    text.Format("%-lf", value);
    const int point = text.Find('.');
    if (point >= 0) {
        if (m_nFigure == 0) {
            text = text.Left(point);
        } else {
            const int keep = point + m_nFigure;
            // From the second-to-last character: the sixth decimal never shows.
            int i = text.GetLength() - 2;
            bool cut = false;
            for (; i > keep; --i) {
                if (text[i] != '0' && text[i] != ' ') {
                    text = text.Left(i + 1);
                    cut = true;
                    break;
                }
            }
            if (!cut && i == keep) text = text.Left(keep + 1);
        }
    }
    text.TrimRight(' ');
}
