#include "cross/make_cross_draw.h"

#include "core/screen_refresh.h"
#include "core/zoom.h"
#include "cross/cross_draw_documents.h"
#include "cross/cross_member_picks.h"
#include "cross/cross_point.h"
#include "cross/cross_region_pick.h"
#include "cross/detail_boundary.h"
#include "cross/detail_centre_lines.h"
#include "cross/detail_copy_out.h"
#include "cross/detail_frame.h"
#include "cross/detail_naming.h"
#include "cross/detail_output_path.h"
#include "cross/detail_partner_lines.h"
#include "cross/detail_rotation.h"
#include "cross/detail_section.h"
#include "cross/section_texts.h"

namespace {

// Ship number, symbol and a free path for them, asked again until the path is free.
bool askOutputPath(const ZcArray<CStiffData>& records, CString& path)
{
    const CString combination = TrevanCom_CrossCombinationName(records);
    for (;;) {
        CString shipNo, symbol;
        if (!TrevanCom_AskShipNumber(shipNo) || !TrevanCom_AskStandardSymbol(symbol)) return false;
        if (TrevanCom_CrossOutputPath(shipNo, combination, symbol, path)) return true;
    }
}

ZcGePoint3d crossPoint(const ZcArray<CStiffData>& records)
{
    ZcArray<CStiffData> partners;
    for (int i = 1; i < records.length(); ++i) partners.append(records[i]);
    ZcGePoint3d pt;
    if (TrevanComARX_GetComStiffCrossPoint(records[0], partners, pt)) return pt;
    zcedAlert("交点取得失敗");
    return ZcGePoint3d::kOrigin;
}

// Everything after the copy-out, in the detail drawing: the figures, the first save, the
// texts, the second save and the queued REGEN.
void drawDetail(CCrossDrawDocuments& docs, CCrossMembers& m, const ZcGeMatrix3d& turn, const CString& path)
{
    ZcDbObjectId boundaryId;
    ZcGePoint3d maxPt, minPt;
    if (!TrevanCom_CrossDrawBoundary(boundaryId, maxPt, minPt)) return;
    docs.givePlanBack();

    for (int i = 0; i < m.records.length(); ++i) m.records[i].transformBy(turn);
    for (int i = 0; i < m.partnerPts.length(); ++i) m.partnerPts[i].transformBy(turn);
    const CStiffData through = m.records[0];

    ZcDbDatabase* pDetail = zcdbHostApplicationServices()->workingDatabase();
    ZcDbObjectId refLineId;
    ZcGePoint3d refPt, basePt;
    ZcDbObjectIdArray figureIds;
    if (!TrevanCom_CrossDrawSection(through, boundaryId, refLineId, refPt, basePt, figureIds)) return;
    pDetail->saveAs(path);

    ZcDbObjectIdArray lines, centreLines;
    if (!TrevanCom_CrossDrawPartnerLines(m.records, m.partnerPts, basePt, boundaryId, figureIds, lines, centreLines) ||
        lines.isEmpty())
        return;
    if (!TrevanCom_CrossDrawCentreLines(figureIds, centreLines, boundaryId, refLineId)) return;
    CString framePath;
    ZcGePoint3d centre;
    if (!TrevanCom_CrossDrawFrame(framePath, centre)) return;
    TrevanCom_RefreshScreen();
    TrevanComARX_ZoomCurDwg();

    if (!TrevanCom_CrossDragThroughText(m.labels[0], ZcGePoint3d::kOrigin)) return;
    if (!TrevanCom_CrossDragPartnerTexts(m.labels, ZcGePoint3d::kOrigin)) return;
    pDetail->saveAs(path);
    ZcApDocument* pDoc = curDoc();
    docs.releaseDetail();
    zcDocManager->sendStringToExecute(pDoc, "REGEN\n", false, true, false);
}

}  // namespace

void TrevanCom_MakeCrossDraw()
{
    CCrossDrawDocuments docs;
    if (!docs.isHeld()) return;
    CCrossMembers m;
    if (TrevanCom_CrossPickThrough("\n通し部材Aを選択：", m) != CrossPick::kDone) return;
    if (TrevanCom_CrossPickPartners(m) != CrossPick::kDone) return;
    ZcGePoint3d corner1, corner2;
    if (!TrevanCom_CrossPickRegion(m.records, corner1, corner2)) return;
    CString path;
    if (!askOutputPath(m.records, path)) return;

    ZcDbObjectIdArray candidates;
    if (!TrevanCom_PlateLineCandidates(docs.planDatabase(), candidates)) return;
    const ZcGeMatrix3d turn = TrevanCom_CrossTurn(m.records[0].m_ptStart, m.records[0].m_ptEnd, crossPoint(m.records));
    if (!TrevanCom_CrossTurnedCutOut(corner1, corner2, candidates, turn, docs.temporaries())) {
        zcutPrintf("\n交差部が選択されていません。");
        return;
    }

    ZcGeMatrix3d ucs;
    zcdbUcsMatrix(ucs, docs.planDatabase());
    ZcDbDatabase* pCopy = TrevanCom_CrossCopyTemps(docs.temporaries());
    if (pCopy == nullptr) return;
    if (!docs.openDetail()) {
        delete pCopy;
        return;
    }
    if (!TrevanCom_CrossInsertCopy(pCopy, ucs)) return;
    drawDetail(docs, m, turn, path);
}

int TrevanComARX_GetStiffCrossPartDrawFunc()
{
    TrevanCom_MakeCrossDraw();
    return RTNORM;
}
