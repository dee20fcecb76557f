#include "cross/member_lines.h"

#include "core/handle_names.h"
#include "core/single_xdata.h"
#include "core/str_split.h"
#include "stiffener/stiff_plate_lines.h"

bool TrevanCom_StiffShapeLetter(const CStiffData& stiff, CString& letter)
{
    const int underscore = stiff.m_strFType.Find('_');
    if (underscore < 0) return false;
    letter = stiff.m_strFType.Mid(underscore + 1);
    return true;
}

bool TrevanCom_IsSymmetricShape(const CString& letter) { return letter == "I" || letter == "H"; }

ZcDbObjectIdArray TrevanCom_StiffMemberLines(const CStiffData& stiff)
{
    ZcDbObjectIdArray ids;
    if (stiff.getThickLineNames().IsEmpty()) return ids;
    CStringArray handles;
    int nNoCase = 0;
    TrevanComARX_MakeStrArray(stiff.getThickLineNames(), ",", handles, nNoCase);
    for (int i = 0; i < handles.GetSize(); ++i) {
        ZcDbObjectId id;
        if (TrevanComARX_GetObjid(handles[i], id) && !id.isNull()) ids.append(id);
    }
    return ids;
}

ZcDbObjectId TrevanCom_PlateLineOwner(ZcDbObjectId lineId)
{
    CString handle;
    if (TrevanComARX_GetXdataStr(lineId, TREVANCOM_PLATE_LINE_APP, handle) != 1 || handle.IsEmpty())
        return ZcDbObjectId::kNull;
    return TrevanComARX_GetObjid(handle);
}

ZcDbObjectIdArray TrevanCom_PlateLineOwners(const ZcDbObjectIdArray& lineIds)
{
    CStringArray seen;
    ZcDbObjectIdArray owners;
    for (ZcDbObjectId lineId : lineIds) {
        CString handle;
        if (TrevanComARX_GetXdataStr(lineId, TREVANCOM_PLATE_LINE_APP, handle) != 1 || handle.IsEmpty()) continue;
        bool known = false;
        for (int i = 0; i < seen.GetSize() && !known; ++i) known = seen[i].CompareNoCase(handle) == 0;
        if (known) continue;
        seen.Add(handle);
        ZcDbObjectId owner = TrevanComARX_GetObjid(handle);
        if (!owner.isNull()) owners.append(owner);
    }
    return owners;
}

resbuf* TrevanCom_PlateLineFilter()
{
    return zcutBuildList(RTDXF0, "LINE", -3, 1001, TREVANCOM_PLATE_LINE_APP, RTNONE);
}
