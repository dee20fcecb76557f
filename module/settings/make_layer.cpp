#include "settings/make_layer.h"

#include "settings/linetype_load.h"

namespace {

void describe(ZcDbLayerTableRecord* pLayer, const ZcCmColor& color, ZcDbObjectId linetypeId, int nLineWeight)
{
    pLayer->setColor(color);
    pLayer->setLinetypeObjectId(linetypeId);
    pLayer->setLineWeight(static_cast<ZcDb::LineWeight>(nLineWeight));
}

}  // namespace

int TrevanComARX_MakeLayer(const CString& strLayer, int nColor, const CString& strLinetype, int nLineWeight,
                           const CString& /*strUnused*/, ZcDbDatabase* pDb)
{
    if (pDb == nullptr) return 0;
    ZcCmColor color;
    color.setColorIndex(static_cast<uint16_t>(nColor));

    if (!TrevanCom_LoadLineType(strLinetype, pDb)) return 0;
    ZcDbObjectId linetypeId;
    {
        ZcDbObjectPointer<ZcDbLinetypeTable> pLinetypes(pDb->linetypeTableId(), ZcDb::kForRead);
        if (pLinetypes.openStatus() != Zcad::eOk || pLinetypes->getAt(strLinetype, linetypeId) != Zcad::eOk) return 0;
    }

    ZcDbObjectId layerId;
    {
        ZcDbObjectPointer<ZcDbLayerTable> pLayers(pDb->layerTableId(), ZcDb::kForRead);
        if (pLayers.openStatus() == Zcad::eOk) pLayers->getAt(strLayer, layerId);
    }
    if (!layerId.isNull()) {
        ZcDbObjectPointer<ZcDbLayerTableRecord> pLayer(layerId, ZcDb::kForWrite);
        if (pLayer.openStatus() != Zcad::eOk) {
            zcutPrintf("\n画層[%s]の書き込みに失敗しました。", static_cast<const char*>(strLayer));
            return 0;
        }
        describe(pLayer.object(), color, linetypeId, nLineWeight);
        return 1;
    }

    ZcDbLayerTableRecord* pLayer = new ZcDbLayerTableRecord;
    bool bNamed = pLayer->setName(strLayer) == Zcad::eOk;
    describe(pLayer, color, linetypeId, nLineWeight);
    ZcDbObjectPointer<ZcDbLayerTable> pLayers(pDb->layerTableId(), ZcDb::kForWrite);
    if (!bNamed || pLayers.openStatus() != Zcad::eOk || pLayers->add(pLayer) != Zcad::eOk) {
        delete pLayer;
        zcutPrintf("\n画層[%s]の追加に失敗しました。", static_cast<const char*>(strLayer));
        return 0;
    }
    pLayer->close();
    return 1;
}
