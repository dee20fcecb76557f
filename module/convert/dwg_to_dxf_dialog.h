// The conversion dialog: source and target folders chosen with the folder browser, and the
// DXF version; OK saves the folders and starts the conversion.
#pragma once

#include "zrx.h"

#include "ui/resource.h"

class TrevanCom_TRV_DWGTODXF : public CDialog {
public:
    explicit TrevanCom_TRV_DWGTODXF(CWnd* pParent = nullptr);
    enum { IDD = IDD_DWGTODXF };

    CEdit m_edtDwgPath;
    CEdit m_edtDxfPath;
    CString m_strDwgPath;
    CString m_strDxfPath;
    CComboBox m_cmbVersion;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnDwgBrowse();
    afx_msg void OnDxfBrowse();
    afx_msg void OnChangeDwgPath();
    afx_msg void OnSelchangeVersion();
    DECLARE_MESSAGE_MAP()
};
