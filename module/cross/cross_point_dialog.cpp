#include "cross/cross_point_dialog.h"

#include "core/handle_names.h"
#include "core/open_drawing.h"
#include "cross/cross_point_detail.h"
#include "records/stiff_exports.h"
#include "settings/sys_dir.h"
#include "settings/target_list.h"

BEGIN_MESSAGE_MAP(DclSelectStiffCrossData, CDialog)
    ON_CBN_SELCHANGE(IDC_SELECTSTIFFCROSS_SHIPNO, &DclSelectStiffCrossData::OnSelchangeShipNo)
END_MESSAGE_MAP()

namespace {

bool detailFits(const CString& path, const CStiffData& through, const ZcArray<CStiffData>& partners)
{
    ZcDbDatabase* pDb = nullptr;
    if (TrevanComARX_OpenDwg(path, pDb) == 0) return false;
    CCrossDetailRecords records;
    const bool fits = TrevanCom_ReadCrossDetailRecords(pDb, records)
        && TrevanCom_CrossDetailFits(records, through, partners);
    TrevanComARX_FreeDwg(pDb);
    return fits;
}

}  // namespace

DclSelectStiffCrossData::DclSelectStiffCrossData(ZcDbObjectId throughId, ZcDbObjectId partner1Id,
                                                 ZcDbObjectId partner2Id, CWnd* pParent)
    : CDialog(IDD, pParent),
      m_idThrough(throughId),
      m_idPartner1(partner1Id),
      m_idPartner2(partner2Id),
      m_strThroughHandle(TrevanComARX_GetHandleName(throughId)),
      m_strPartner1Handle(TrevanComARX_GetHandleName(partner1Id)),
      m_strPartner2Handle(TrevanComARX_GetHandleName(partner2Id))
{
}

void DclSelectStiffCrossData::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SELECTSTIFFCROSS_SHIPNO, m_cmbShipNo);
    DDX_Control(pDX, IDC_SELECTSTIFFCROSS_SYMBOL, m_cmbSymbol);
}

BOOL DclSelectStiffCrossData::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!TrevanComARX_GetEndtypeFolder(m_strEndtypeFolder)) return TRUE;
    CStringArray ships;
    TrevanComARX_CreateTargetList(m_strEndtypeFolder, "*", 1, ships);
    for (INT_PTR i = 0; i < ships.GetSize(); ++i) m_cmbShipNo.AddString(ships[i]);
    return TRUE;
}

void DclSelectStiffCrossData::OnSelchangeShipNo()
{
    m_cmbSymbol.ResetContent();
    m_symbolPaths.RemoveAll();
    CStiffData through;
    ZcArray<CStiffData> partners;
    if (!TrevanComARX_GetStiffdata(m_idThrough, through)) return;
    for (ZcDbObjectId id : {m_idPartner1, m_idPartner2}) {
        CStiffData partner;
        if (!id.isNull() && TrevanComARX_GetStiffdata(id, partner)) partners.append(partner);
    }
    CString ship;
    m_cmbShipNo.GetWindowText(ship);
    const CString shipFolder = m_strEndtypeFolder + "\\" + ship;
    CStringArray combinations;
    TrevanComARX_CreateTargetList(shipFolder, "*", 1, combinations);
    for (INT_PTR c = 0; c < combinations.GetSize(); ++c) {
        const CString folder = shipFolder + "\\" + combinations[c];
        CStringArray drawings;
        TrevanComARX_CreateTargetList(folder, "*.dwg", 0, drawings);
        for (INT_PTR d = 0; d < drawings.GetSize(); ++d) {
            const CString path = folder + "\\" + drawings[d];
            if (!detailFits(path, through, partners)) continue;
            m_cmbSymbol.AddString(drawings[d].Left(drawings[d].GetLength() - 4));
            m_symbolPaths.Add(path);
        }
    }
}

void DclSelectStiffCrossData::OnOK()
{
    CString ship, symbol;
    m_cmbShipNo.GetWindowText(ship);
    m_cmbSymbol.GetWindowText(symbol);
    if (ship.IsEmpty()) {
        AfxMessageBox("船番が選択されていません．", MB_ICONSTOP);
        return;
    }
    if (symbol.IsEmpty()) {
        AfxMessageBox("標準記号が選択されていません.", MB_ICONSTOP);
        return;
    }
    for (INT_PTR i = 0; i < m_symbolPaths.GetSize(); ++i) {
        const CString& path = m_symbolPaths[i];
        const int slash = path.ReverseFind('\\');
        if (path.Mid(slash + 1, path.GetLength() - slash - 5).CompareNoCase(symbol) == 0) {
            m_strDwgPath = path;
            break;
        }
    }
    CDialog::OnOK();
}
