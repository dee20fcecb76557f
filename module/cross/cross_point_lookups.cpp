#include "cross/cross_point_lookups.h"

#include "core/all_entities.h"
#include "core/single_xdata.h"
#include "cross/cross_point_detail.h"
#include "cross/cross_point_record.h"
#include "cross/support_bracket.h"

void TrevanComARX_GetCrossSupportBracket(const char* pointHandle, ZcDbObjectIdArray& bracketIds, ZcDbDatabase* pDb)
{
    ZcDbObjectIdArray all;
    TrevanCom_GetAllObjectIdArray(pDb, all, TREVANCOM_BRACKET_APP);
    for (ZcDbObjectId id : all) {
        CString parent;
        if (TrevanComARX_GetXdataStr(id, TREVANCOM_BRACKET_PARENT_APP, parent) != 1) continue;
        if (parent.CompareNoCase(pointHandle) == 0) bracketIds.append(id);
    }
}

bool TrevanComARX_GetBracketData(ZcDbObjectId pointId, ZcDbVoidPtrArray& plates, ZcArray<SupportPlateAttr>& attrs)
{
    CCrossPointKeys keys;
    CCrossDetail detail;
    if (!TrevanCom_ReadCrossPointKeys(pointId, keys) || !TrevanCom_ReadCrossDetail(keys.m_strDwgName, detail))
        return false;
    plates.append(detail.m_plates);
    attrs.append(detail.m_attrs);
    detail.m_plates.removeAll();
    return true;
}
