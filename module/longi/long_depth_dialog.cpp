#include "longi/long_depth_dialog.h"

#include <cstdlib>

#include "core/lisp_args.h"
#include "longi/frame_lines.h"
#include "longi/ship_number.h"
#include "settings/target_list.h"

BEGIN_MESSAGE_MAP(DclLongDepth, CDialog)
    ON_CBN_SELCHANGE(IDC_LONGDEPTH_SHIPNO, &DclLongDepth::OnSelchangeShipNo)
END_MESSAGE_MAP()

namespace {

void printMissingStructIni()
{
    CString strMsg;
    strMsg.Format("%sファイルがないか、iniファイル内に[%s]グループがないか%sキーがありません。",
                  static_cast<const char*>(TrevanCom_StructIniPath()), "company", "DataPath");
    zcutPrintf("\n%s", static_cast<const char*>(strMsg));
}

bool fillFrames(CComboBox& combo, const CString& strFile)
{
    CStringArray names;
    if (!TrevanCom_ReadFrameNames(strFile, names)) return false;
    for (INT_PTR i = 0; i < names.GetSize(); ++i) combo.AddString(names[i]);
    return true;
}

// An empty shift is 0; otherwise the number the text begins with, 0 when it begins with none.
double shiftOf(const CString& text) { return text.IsEmpty() ? 0.0 : std::atof(text); }

}  // namespace

DclLongDepth::DclLongDepth(CWnd* pParent) : CDialog(IDD, pParent)
{
    m_edtStartShift.SetCheckFlag(1);
    m_edtStartShift.SetMinusFlag(1);
    m_edtEndShift.SetCheckFlag(1);
    m_edtEndShift.SetMinusFlag(1);
}

void DclLongDepth::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LONGDEPTH_STARTFR, m_cmbStartFr);
    DDX_Control(pDX, IDC_LONGDEPTH_ENDFR, m_cmbEndFr);
    DDX_Control(pDX, IDC_LONGDEPTH_STARTSHIFT, m_edtStartShift);
    DDX_Control(pDX, IDC_LONGDEPTH_ENDSHIFT, m_edtEndShift);
    DDX_Control(pDX, IDC_LONGDEPTH_SHIPNO, m_cmbShipNo);
}

bool DclLongDepth::FillFrameLists(const CString& strDataPath, CString& strFile)
{
    strFile = TrevanCom_FrameLineFilePath(strDataPath, m_strShipNo);
    const bool bStart = fillFrames(m_cmbStartFr, strFile);
    const bool bEnd = fillFrames(m_cmbEndFr, strFile);
    if (!bStart || !bEnd) return false;
    m_cmbStartFr.SetCurSel(0);
    m_cmbEndFr.SetCurSel(0);
    return true;
}

BOOL DclLongDepth::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_edtStartShift.SetWindowText("0");
    m_edtEndShift.SetWindowText("0");

    CString strDataPath;
    if (TrevanCom_GetStructDataPath(strDataPath)) {
        CStringArray ships;
        TrevanComARX_CreateTargetList(strDataPath + "\\Lines", "*", 1, ships);
        for (INT_PTR i = 0; i < ships.GetSize(); ++i) m_cmbShipNo.AddString(ships[i]);
    }

    // A drawing of a ship that has its folder stays with that ship.
    CString strSno;
    TrevanCom_GetSno(strSno);
    if (!strSno.IsEmpty()) {
        if (m_cmbShipNo.SelectString(-1, strSno) != CB_ERR) m_cmbShipNo.EnableWindow(FALSE);
    } else {
        m_cmbShipNo.SetCurSel(0);
    }
    m_cmbShipNo.GetWindowText(m_strShipNo);
    m_cmbStartFr.ResetContent();
    m_cmbEndFr.ResetContent();

    if (!TrevanCom_GetStructDataPath(strDataPath)) {
        printMissingStructIni();
        return FALSE;
    }
    if (m_strShipNo.IsEmpty()) return TRUE;
    CString strFile;
    if (!FillFrameLists(strDataPath, strFile)) {
        CString strMsg;
        strMsg.Format("%sファイルがないか、ファイル内のフレーム番号を表示できません。", static_cast<const char*>(strFile));
        zcutPrintf("\n%s", static_cast<const char*>(strMsg));
        return FALSE;
    }
    return TRUE;
}

void DclLongDepth::OnSelchangeShipNo()
{
    m_cmbStartFr.ResetContent();
    m_cmbEndFr.ResetContent();
    CString strDataPath;
    TrevanCom_GetStructDataPath(strDataPath);
    m_cmbShipNo.GetWindowText(m_strShipNo);
    CString strFile;
    FillFrameLists(strDataPath, strFile);
}

void DclLongDepth::OnOK()
{
    CString strStartFr;
    CString strEndFr;
    CString strStartShift;
    CString strEndShift;
    m_cmbShipNo.GetWindowText(m_strShipNo);
    m_cmbStartFr.GetWindowText(strStartFr);
    m_cmbEndFr.GetWindowText(strEndFr);
    m_edtStartShift.GetWindowText(strStartShift);
    m_edtEndShift.GetWindowText(strEndShift);
    const double rStartShift = shiftOf(strStartShift);
    const double rEndShift = shiftOf(strEndShift);

    if (strStartFr.Compare(strEndFr) == 0 && rStartShift == rEndShift) {
        AfxMessageBox("開始/終了フレーム、シフト量が同じ値では定義できません.", MB_ICONEXCLAMATION);
        GotoDlgCtrl(&m_edtStartShift);
        return;
    }
    m_cmbShipNo.GetWindowText(m_strShipNo);
    TrevanLispArgs::retList(zcutBuildList(RTSTR, static_cast<const char*>(m_strShipNo), RTSTR,
                                          static_cast<const char*>(strStartFr), RTREAL, rStartShift, RTSTR,
                                          static_cast<const char*>(strEndFr), RTREAL, rEndShift, 0));
    CDialog::OnOK();
}

void DclLongDepth::OnCancel()
{
    TrevanLispArgs::retNil();
    CDialog::OnCancel();
}
