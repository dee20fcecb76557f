#include "stiffener/stiff_name_text.h"

#include "core/delete_entity.h"
#include "core/entity_layer.h"
#include "core/layer_status.h"
#include "core/single_xdata.h"
#include "records/stiff_exports.h"
#include "stiffener/stiff_text_entity.h"
#include "stiffener/stiff_text_point.h"
#include "stiffener/stiff_text_style.h"

namespace {

// Shows what was drawn so far before the next text is measured.
void updateDisplay()
{
    if (ZcApDocument* pDoc = zcDocManager->curDocument()) pDoc->transactionManager()->flushGraphics();
    zcedUpdateDisplay();
}

}  // namespace

bool TrevanComARX_MakeStiffNameText(const ZcDbObjectId& stiffId, const CString& strStyle, const double& rHeight,
                                    const CString& strName, const bool& bCreate)
{
    TrevanCom_StiffTextLayer();
    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(stiffId, stiff)) return false;
    stiff.m_strName = strName;
    TrevanComARX_EditOnLayer(TrevanComARX_GetEntityLayerName(stiffId),
                             [&] { return TrevanComARX_SetStiffdata(stiffId, stiff); });
    if (strName.IsEmpty()) {
        CString strHandle;
        if (TrevanComARX_GetXdataStr(stiffId, TREVANCOM_NAMETEXT_LINK, strHandle) == 1)
            TrevanComARX_DeleteObj(strHandle.GetString());
        return true;
    }
    updateDisplay();
    CStiffTextPlace place;
    place.normal = TrevanCom_StiffNormal(stiff);
    place.strText = strName;
    const ZcDbObjectId textId = TrevanCom_LinkedText(stiffId, TREVANCOM_NAMETEXT_LINK);
    if (!textId.isNull()) {
        double h = rHeight;
        {
            ZcDbObjectPointer<ZcDbText> pText(textId, ZcDb::kForRead);
            if (pText.openStatus() == Zcad::eOk) h = pText->height();
        }
        if (!TrevanComARX_GetStiffNameTextPoint(stiff, strStyle, h, place.ptPosition, place.rRotation)) return false;
        TrevanCom_PlaceText(textId, place, true);
    } else {
        if (!TrevanComARX_GetStiffNameTextPoint(stiff, strStyle, rHeight, place.ptPosition, place.rRotation))
            return false;
        if (!bCreate) return true;
        TrevanCom_AddLinkedText(stiffId, place, strStyle, rHeight, TREVANCOM_NAMETEXT_BACKLINK,
                                TREVANCOM_NAMETEXT_LINK);
    }
    updateDisplay();
    return true;
}

bool TrevanComARX_StiffNameTextRedraw(const CStiffData& stiff, ZcDbText* pText)
{
    if (pText == nullptr) return false;
    CString strStyle;
    {
        ZcDbObjectPointer<ZcDbTextStyleTableRecord> pStyle(pText->textStyle(), ZcDb::kForRead);
        if (pStyle.openStatus() != Zcad::eOk) return false;
        const char* name = nullptr;
        if (pStyle->getName(name) != Zcad::eOk) return false;
        strStyle = name;
    }
    ZcGePoint3d ptText;
    double rRotation = 0.0;
    if (!TrevanComARX_GetStiffNameTextPoint(stiff, strStyle, pText->height(), ptText, rRotation)) return false;
    char* layer = pText->layer();
    CLayerEditGuard guard(layer);
    zcutDelString(layer);
    if (!pText->isWriteEnabled() && pText->upgradeOpen() != Zcad::eOk) return false;
    pText->setRotation(rRotation);
    pText->setPosition(ptText);
    return true;
}

bool TrevanComARX_StiffNameTextRedraw(const ZcDbObjectId& stiffId)
{
    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(stiffId, stiff)) return false;
    const ZcDbObjectId textId = TrevanCom_LinkedText(stiffId, TREVANCOM_NAMETEXT_LINK);
    ZcDbObjectPointer<ZcDbText> pText(textId, ZcDb::kForRead);
    if (pText.openStatus() != Zcad::eOk) return false;
    return TrevanComARX_StiffNameTextRedraw(stiff, pText.object());
}
