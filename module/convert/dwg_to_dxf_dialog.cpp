#include "convert/dwg_to_dxf_dialog.h"

#include "convert/dwg_dxf_path_file.h"
#include "convert/dxf_versions.h"
#include "convert/dxfout_script.h"
#include "settings/folder_utils.h"

BEGIN_MESSAGE_MAP(TrevanCom_TRV_DWGTODXF, CDialog)
    ON_BN_CLICKED(IDC_DWGTODXF_DWGREF, &TrevanCom_TRV_DWGTODXF::OnDwgBrowse)
    ON_BN_CLICKED(IDC_DWGTODXF_DXFREF, &TrevanCom_TRV_DWGTODXF::OnDxfBrowse)
    ON_EN_CHANGE(IDC_DWGTODXF_DWGPATH, &TrevanCom_TRV_DWGTODXF::OnChangeDwgPath)
    ON_CBN_SELCHANGE(IDC_DWGTODXF_VERSION, &TrevanCom_TRV_DWGTODXF::OnSelchangeVersion)
END_MESSAGE_MAP()

TrevanCom_TRV_DWGTODXF::TrevanCom_TRV_DWGTODXF(CWnd* pParent) : CDialog(IDD, pParent) {}

void TrevanCom_TRV_DWGTODXF::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DWGTODXF_DWGPATH, m_edtDwgPath);
    DDX_Control(pDX, IDC_DWGTODXF_DXFPATH, m_edtDxfPath);
    DDX_Control(pDX, IDC_DWGTODXF_VERSION, m_cmbVersion);
}

BOOL TrevanCom_TRV_DWGTODXF::OnInitDialog()
{
    CDialog::OnInitDialog();
    const CString strFile = TrevanCom_DwgDxfPathFile();
    m_strDwgPath = TrevanCom_ReadDwgDxfPath(strFile, TREVAN_DWGDXF_DWG_KEY);
    m_strDxfPath = TrevanCom_ReadDwgDxfPath(strFile, TREVAN_DWGDXF_DXF_KEY);
    m_edtDwgPath.SetWindowText(m_strDwgPath);
    m_edtDxfPath.SetWindowText(m_strDxfPath);

    CStringArray versions;
    TrevanCom_DxfVersionChoices(TrevanCom_AcadVer(), versions);
    for (INT_PTR i = 0; i < versions.GetSize(); ++i) m_cmbVersion.AddString(versions[i]);
    m_cmbVersion.SetCurSel(0);
    return TRUE;
}

void TrevanCom_TRV_DWGTODXF::OnDwgBrowse()
{
    CString strFolder;
    if (TrevanComARX_SelectFolderDialog(nullptr, "変換元DWGフォルダを選択", "", strFolder) == 0) return;
    m_strDwgPath = strFolder;
    m_edtDwgPath.SetWindowText(m_strDwgPath);
}

void TrevanCom_TRV_DWGTODXF::OnDxfBrowse()
{
    CString strFolder;
    if (TrevanComARX_SelectFolderDialog(nullptr, "変換先DXFフォルダを選択", "", strFolder) == 0) return;
    m_strDxfPath = strFolder;
    m_edtDxfPath.SetWindowText(m_strDxfPath);
}

// Nothing follows a change of the source text or of the version; the values are taken on OK.
void TrevanCom_TRV_DWGTODXF::OnChangeDwgPath() {}

void TrevanCom_TRV_DWGTODXF::OnSelchangeVersion() {}

void TrevanCom_TRV_DWGTODXF::OnOK()
{
    CString strVersion;
    m_cmbVersion.GetWindowText(strVersion);
    if (m_strDwgPath.IsEmpty() || m_strDxfPath.IsEmpty() || strVersion.IsEmpty()) {
        AfxMessageBox("指定されていない項目があります。", MB_OK);
        return;
    }
    const CString strFile = TrevanCom_DwgDxfPathFile();
    CString strText;
    m_edtDwgPath.GetWindowText(strText);
    TrevanCom_WriteDwgDxfPath(strFile, TREVAN_DWGDXF_DWG_KEY, strText);
    m_edtDxfPath.GetWindowText(strText);
    TrevanCom_WriteDwgDxfPath(strFile, TREVAN_DWGDXF_DXF_KEY, strText);
    TrevanCom_ConvertDwgFolder(m_strDwgPath, "*.DWG", strVersion, m_strDxfPath);
    CDialog::OnOK();
}
