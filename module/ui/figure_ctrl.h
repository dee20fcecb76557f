// An edit control that keeps its text a number while the user types: after each typed
// character the first character that makes the text invalid is deleted. Also formats a
// number for display with a minimum of decimals.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

class TREVANCOM_API CFigureCtrl : public CEdit {
public:
    CFigureCtrl() = default;

    // Decimals allowed, 0 for integers only; a negative count is ignored.
    void SetFigure(int figure);
    // Non-zero allows a leading "-".
    void SetMinusFlag(int minus);
    // 1 checks the text; any other value lets every text through.
    void SetCheckFlag(int check);
    // 1 when the text is a number (or checking is off); 0 when a character was deleted.
    int InputNumCheck();
    // The value with six decimals cut to at least figure decimals (trailing zeros beyond
    // them dropped, the sixth decimal never shown); figure 0 keeps the integer part.
    void DataToString(double value, CString& text) const;

protected:
    afx_msg void OnChar(UINT ch, UINT repeat, UINT flags);
    DECLARE_MESSAGE_MAP()

private:
    int m_nFigure = 0;
    int m_nMinusFlag = 0;
    int m_nCheckFlag = 1;
};
