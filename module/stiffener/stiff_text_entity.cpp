#include "stiffener/stiff_text_entity.h"

#include "QorComStd2002.h"
#include "core/handle_names.h"
#include "core/layer_status.h"
#include "core/model_space_append.h"
#include "core/single_xdata.h"
#include "core/table_ids.h"
#include "settings/layer_definitions.h"

CString TrevanCom_StiffTextLayer()
{
    CString strCaption, strLayer, strLinetype;
    int nColor = 7, nLineWeight = -3;
    TrevanComARX_GetLayerInfo("STIFFTEXT", strCaption, strLayer, nColor, strLinetype, nLineWeight);
    QorComARX_MakeLayer(strLayer, nColor, strLinetype, nLineWeight, "");
    return strLayer;
}

ZcDbObjectId TrevanCom_LinkedText(ZcDbObjectId stiffId, const char* link)
{
    CString strHandle;
    if (TrevanComARX_GetXdataStr(stiffId, link, strHandle) != 1) return ZcDbObjectId::kNull;
    ZcDbObjectId textId = TrevanComARX_GetObjid(strHandle);
    ZcDbObjectPointer<ZcDbText> pText(textId, ZcDb::kForRead);
    return pText.openStatus() == Zcad::eOk ? textId : ZcDbObjectId::kNull;
}

bool TrevanCom_PlaceText(ZcDbObjectId textId, const CStiffTextPlace& place, bool bSetString)
{
    CLayerEditGuard guard(textId);
    ZcDbObjectPointer<ZcDbText> pText(textId, ZcDb::kForWrite);
    if (pText.openStatus() != Zcad::eOk) return false;
    pText->setNormal(place.normal);
    if (bSetString) pText->setTextString(place.strText);
    pText->setRotation(place.rRotation);
    pText->setPosition(place.ptPosition);
    return true;
}

bool TrevanCom_AddLinkedText(ZcDbObjectId stiffId, const CStiffTextPlace& place, const CString& strStyle,
                             double rHeight, const char* backLink, const char* link)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    const CString strLayer = TrevanCom_StiffTextLayer();
    auto* pText = new ZcDbText;
    pText->setDatabaseDefaults(pDb);
    pText->setNormal(place.normal);
    pText->setLayer(strLayer);
    ZcDbObjectId styleId;
    if (TrevanComARX_GetTextStyleId(strStyle, styleId, pDb) && !styleId.isNull()) pText->setTextStyle(styleId);
    pText->setHeight(rHeight);
    pText->setTextString(place.strText);
    pText->setRotation(place.rRotation);
    pText->setPosition(place.ptPosition);
    ZcDbObjectId textId;
    if (TrevanComARX_SetXdataStr(pText, backLink, TrevanComARX_GetHandleName(stiffId)) != 1 ||
        !TrevanCom_AppendToModelSpace(pText, textId, pDb)) {
        delete pText;
        return false;
    }
    CLayerEditGuard guard(stiffId);
    ZcDbObjectPointer<ZcDbEntity> pStiff(stiffId, ZcDb::kForWrite);
    if (pStiff.openStatus() != Zcad::eOk) return false;
    return TrevanComARX_SetXdataStr(pStiff.object(), link, TrevanComARX_GetHandleName(textId)) == 1;
}

ZcGeVector3d TrevanCom_StiffNormal(const CStiffData& stiff)
{
    return ZcGeVector3d(stiff.m_rNormVecX, stiff.m_rNormVecY, stiff.m_rNormVecZ);
}
