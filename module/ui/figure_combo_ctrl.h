// A combo box whose edit part keeps its text a number: after each change of the edit text
// the first character that makes it invalid is deleted. Always checks.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

class TREVANCOM_API CFigureComboCtrl : public CComboBox {
public:
    CFigureComboCtrl() = default;

    // Decimals allowed, 0 for integers only; a negative count is ignored.
    void SetFigure(int figure);
    // Non-zero allows a leading "-".
    void SetMinusFlag(int minus);
    // 1 when the edit text is a number; 0 when a character was deleted.
    int InputNumCheck();

protected:
    afx_msg void OnEditUpdate();
    DECLARE_MESSAGE_MAP()

private:
    int m_nFigure = 0;
    int m_nMinusFlag = 0;
};
