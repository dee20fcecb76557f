#include "ui/figure_combo_ctrl.h"

#include "ui/number_check.h"

BEGIN_MESSAGE_MAP(CFigureComboCtrl, CComboBox)
    ON_CONTROL_REFLECT(CBN_EDITUPDATE, &CFigureComboCtrl::OnEditUpdate)
END_MESSAGE_MAP()

void CFigureComboCtrl::SetFigure(int figure)
{
    if (figure >= 0) m_nFigure = figure;
}

void CFigureComboCtrl::SetMinusFlag(int minus) { m_nMinusFlag = minus; }

void CFigureComboCtrl::OnEditUpdate() { InputNumCheck(); }

int CFigureComboCtrl::InputNumCheck()
{
    CString text;
    GetWindowText(text);
    int length = 0;
    const int at = TrevanCom_FirstInvalidFigure(text, m_nFigure, m_nMinusFlag, length);
    if (at < 0) return 1;
    SetEditSel(at, at + length);
    Clear();
    return 0;
}
