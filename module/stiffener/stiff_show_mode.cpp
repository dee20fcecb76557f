#include "stiffener/stiff_show_mode.h"

#include "core/all_stiffeners.h"
#include "core/handle_names.h"
#include "core/single_xdata.h"
#include "core/visibility.h"

void TrevanComARX_StiffVisibility(ZcDbObjectId stiffId, bool bVisible)
{
    TrevanCom_ObjectVisibility(stiffId, bVisible);
    for (const char* link : {"STIFF_SYMARK_HDNAME", "STIFF_EYMARK_HDNAME"}) {
        CString strHandle;
        if (TrevanComARX_GetXdataStr(stiffId, link, strHandle) != 1) continue;
        TrevanCom_ObjectVisibility(TrevanComARX_GetObjid(strHandle), bVisible);
    }
}

int TrevanComARX_GetStiffShowMode()
{
    ZcDbObjectIdArray ids;
    TrevanCom_GetAllStiffObjectIdArray(ids);
    if (ids.isEmpty()) {
        zcutPrintf("\nこの図面にはスティフナが配置されていません。");
        return -1;
    }
    ZcDbObjectPointer<ZcDbEntity> pStiff(ids[0], ZcDb::kForRead);
    if (pStiff.openStatus() != Zcad::eOk) return -2;
    return pStiff->visibility() == ZcDb::kVisible ? 0 : 1;
}

bool TrevanCom_GetStiffShowMode()
{
    ZcDbObjectIdArray ids;
    TrevanCom_GetAllStiffObjectIdArray(ids);
    if (ids.isEmpty()) return true;
    ZcDbObjectPointer<ZcDbEntity> pStiff(ids[0], ZcDb::kForRead);
    return pStiff.openStatus() != Zcad::eOk || pStiff->visibility() == ZcDb::kVisible;
}

int TrevanComARX_GetStiffShowModeFunc()
{
    const int mode = TrevanComARX_GetStiffShowMode();
    zcedRetInt(mode);
    return mode >= 0 ? RTNORM : RTERROR;
}
