#include "settings/layer_definitions.h"

#include "settings/layer_definition_file.h"

bool TrevanComARX_GetLayerInfo(const CString& strKind, CString& strCaption, CString& strLayer, int& nColor,
                               CString& strLinetype, int& nLineWeight)
{
    const TrevanLayerDefinition none;
    auto give = [&](const TrevanLayerDefinition& def, bool bLineWeight) {
        strCaption = def.m_strCaption;
        strLayer = def.m_strLayer;
        nColor = def.m_nColor;
        strLinetype = def.m_strLinetype;
        if (bLineWeight) nLineWeight = def.m_nLineWeight;
    };
    give(none, false);

    TrevanLayerFileStatus status;
    FILE* fp = TrevanCom_OpenLayerDefinitionFile(status);
    if (fp == nullptr) {
        if (status == TrevanLayerFileStatus::kNotFound) give(none, true);
        return false;
    }
    CStringArray fields;
    TrevanLayerDefinition def;
    bool bFound = false;
    while (TrevanCom_ReadLayerRow(fp, fields)) {
        if (!TrevanCom_ParseLayerRow(fields, def) || fields[0].CompareNoCase(strKind) != 0) continue;
        bFound = true;
        break;
    }
    std::fclose(fp);
    give(bFound ? def : none, true);
    return bFound;
}
