// The shell development dialog: the ship, the start and end frames and the shift of each end
// from its frame, given to the LISP caller as one list on OK, nil on Cancel.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "ui/figure_ctrl.h"
#include "ui/resource.h"

class TREVANCOM_API DclLongDepth : public CDialog {
public:
    explicit DclLongDepth(CWnd* pParent = nullptr);
    enum { IDD = IDD_LONGDEPTH };

    CString m_strShipNo;
    CComboBox m_cmbStartFr;
    CComboBox m_cmbEndFr;
    CFigureCtrl m_edtStartShift;
    CFigureCtrl m_edtEndShift;
    CComboBox m_cmbShipNo;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnSelchangeShipNo();
    DECLARE_MESSAGE_MAP()

private:
    // Both frame lists from the ship's frame-line file, the first of each chosen; false when
    // the file cannot be opened.
    bool FillFrameLists(const CString& strDataPath, CString& strFile);
};
