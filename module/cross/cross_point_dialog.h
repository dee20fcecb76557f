// The choice of an intersection's detail drawing: a ship number, then one of the standard
// symbols of that ship whose detail was drawn for members of the picked sections.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "ui/resource.h"

class TREVANCOM_API DclSelectStiffCrossData : public CDialog {
public:
    // The through member and one or two partners (a null second id for one).
    DclSelectStiffCrossData(ZcDbObjectId throughId, ZcDbObjectId partner1Id, ZcDbObjectId partner2Id,
                            CWnd* pParent = nullptr);
    enum { IDD = IDD_SELECTSTIFFCROSSDATA };

    CString m_strEndtypeFolder;
    ZcDbObjectId m_idThrough;
    ZcDbObjectId m_idPartner1;
    ZcDbObjectId m_idPartner2;
    CString m_strThroughHandle;
    CString m_strPartner1Handle;
    CString m_strPartner2Handle;
    // The full path of the chosen detail drawing, once closed with OK.
    CString m_strDwgPath;

    CComboBox m_cmbShipNo;
    CComboBox m_cmbSymbol;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnSelchangeShipNo();
    DECLARE_MESSAGE_MAP()

private:
    // The drawings behind the symbols offered, in the list's order.
    CStringArray m_symbolPaths;
};
