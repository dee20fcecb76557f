#include "stiffener/stiff_end_text.h"

#include "core/layer_status.h"
#include "records/stiff_exports.h"
#include "stiffener/stiff_text_entity.h"
#include "stiffener/stiff_text_point.h"
#include "stiffener/stiff_text_style.h"

namespace {

bool makeEndText(ZcDbObjectId stiffId, const CString& strStyle, double rHeight, bool bStart, bool bCreate)
{
    TrevanCom_StiffTextLayer();
    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(stiffId, stiff)) return false;
    const CString& strEndType = bStart ? stiff.m_strEndTypeS : stiff.m_strEndTypeE;
    if (strEndType.IsEmpty()) return true;

    CStiffTextPlace place;
    place.normal = TrevanCom_StiffNormal(stiff);
    place.strText = strEndType;
    ZcGePoint3d ptStart, ptEnd;
    const ZcDbObjectId textId = TrevanCom_LinkedText(stiffId, bStart ? TREVANCOM_STEXT_LINK : TREVANCOM_ETEXT_LINK);
    if (!textId.isNull()) {
        double h = rHeight;
        {
            ZcDbObjectPointer<ZcDbText> pText(textId, ZcDb::kForRead);
            if (pText.openStatus() == Zcad::eOk) h = pText->height();
        }
        if (!TrevanComARX_GetStiffTextPoint(stiff, strStyle, h, ptStart, ptEnd, place.rRotation)) return false;
        place.ptPosition = bStart ? ptStart : ptEnd;
        TrevanCom_PlaceText(textId, place, true);
        return true;
    }
    if (!TrevanComARX_GetStiffTextPoint(stiff, strStyle, rHeight, ptStart, ptEnd, place.rRotation)) return false;
    if (!bCreate) return true;
    place.ptPosition = bStart ? ptStart : ptEnd;
    return TrevanCom_AddLinkedText(stiffId, place, strStyle, rHeight,
                                   bStart ? TREVANCOM_STEXT_BACKLINK : TREVANCOM_ETEXT_BACKLINK,
                                   bStart ? TREVANCOM_STEXT_LINK : TREVANCOM_ETEXT_LINK);
}

}  // namespace

bool TrevanComARX_MakeStiffText(const ZcDbObjectId& stiffId, const CString& strStyle, const double& rHeight,
                                const bool& bCreate)
{
    if (!makeEndText(stiffId, strStyle, rHeight, true, bCreate)) return false;
    return makeEndText(stiffId, strStyle, rHeight, false, bCreate);
}

bool TrevanComARX_MakeStiffText(const ZcDbObjectId& stiffId, const CString& strStyle, const double& rHeight,
                                const CString& strEndType, const bool& bCreate, const ZcGePoint3d& ptPick)
{
    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(stiffId, stiff)) return false;
    CLayerEditGuard guard(stiffId);
    const bool bStart = !(ptPick.distanceTo(stiff.m_ptEnd) < ptPick.distanceTo(stiff.m_ptStart));
    (bStart ? stiff.m_strEndTypeS : stiff.m_strEndTypeE) = strEndType;
    const bool bStored = TrevanComARX_SetStiffdata(stiffId, stiff);
    return makeEndText(stiffId, strStyle, rHeight, bStart, bCreate) && bStored;
}

bool TrevanComARX_RedrawStiffText(const CStiffData& stiff, ZcDbText* pText, const bool& bStart)
{
    if (pText == nullptr) return false;
    if (!pText->isWriteEnabled() && pText->upgradeOpen() != Zcad::eOk) return false;
    const CString& strEndType = bStart ? stiff.m_strEndTypeS : stiff.m_strEndTypeE;
    if (strEndType.IsEmpty()) return true;
    // A text carries no links to texts: this gives the default end-text style.
    CString strStyle;
    double rDefaultHeight = 0.0;
    TrevanComARX_GetStiffEndTypeStyle(pText, strStyle, rDefaultHeight);
    ZcGePoint3d ptStart, ptEnd;
    double rRotation = 0.0;
    if (!TrevanComARX_GetStiffTextPoint(stiff, strStyle, pText->height(), ptStart, ptEnd, rRotation)) return false;
    char* layer = pText->layer();
    CLayerEditGuard guard(layer);
    zcutDelString(layer);
    pText->setTextString(strEndType);
    pText->setRotation(rRotation);
    pText->setPosition(bStart ? ptStart : ptEnd);
    return true;
}
