// The layer definition reader as a LISP function. A kind whose layer the drawing already
// has answers with the layer as the drawing keeps it, so a user's change to it stands.
#include "core/lisp_args.h"
#include "settings/layer_definition_file.h"
#include "settings/layer_definitions.h"

namespace {

// The drawing's own settings of the layer; false when it has no such layer.
bool drawingLayer(const CString& strLayer, TrevanLayerDefinition& def)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    if (pDb == nullptr) return false;
    ZcDbObjectId layerId;
    {
        ZcDbObjectPointer<ZcDbLayerTable> pTable(pDb->layerTableId(), ZcDb::kForRead);
        if (pTable.openStatus() != Zcad::eOk || pTable->getAt(strLayer, layerId) != Zcad::eOk) return false;
    }
    ZcDbObjectPointer<ZcDbLayerTableRecord> pLayer(layerId, ZcDb::kForRead);
    if (pLayer.openStatus() != Zcad::eOk) return false;
    def.m_nColor = pLayer->color().colorIndex();
    def.m_nLineWeight = pLayer->lineWeight();
    def.m_strLinetype.Empty();
    ZcDbObjectPointer<ZcDbLinetypeTableRecord> pLinetype(pLayer->linetypeObjectId(), ZcDb::kForRead);
    const char* pName = nullptr;
    if (pLinetype.openStatus() == Zcad::eOk && pLinetype->getName(pName) == Zcad::eOk) def.m_strLinetype = pName;
    if (def.m_strLinetype.IsEmpty()) def.m_strLinetype = "continuous";
    return true;
}

int giveDefinition(const TrevanLayerDefinition& def)
{
    return TrevanLispArgs::retList(zcutBuildList(RTSTR, static_cast<const char*>(def.m_strLayer), RTSTR,
                                                 static_cast<const char*>(def.m_strCaption), RTSHORT, def.m_nColor,
                                                 RTSTR, static_cast<const char*>(def.m_strLinetype), RTSHORT,
                                                 def.m_nLineWeight, 0));
}

}  // namespace

int TrevanComARX_GetLayerInfo()
{
    TrevanLispArgs args;
    CString strKind;
    if (!args.str(strKind)) return args.fail();

    TrevanLayerFileStatus status;
    FILE* fp = TrevanCom_OpenLayerDefinitionFile(status);
    if (fp == nullptr) return TrevanLispArgs::retNil();
    CStringArray fields;
    while (TrevanCom_ReadLayerRow(fp, fields)) {
        if (fields.GetSize() < 3 || fields[0].CompareNoCase(strKind) != 0) continue;
        TrevanLayerDefinition def;
        def.m_strLayer = fields[2];
        def.m_strCaption = fields[1];
        if (drawingLayer(fields[2], def) || TrevanCom_ParseLayerRow(fields, def)) {
            std::fclose(fp);
            return giveDefinition(def);
        }
    }
    std::fclose(fp);
    return giveDefinition(TrevanLayerDefinition());
}
