#include "stiffener/stiff_show_mode.h"

#include "core/all_stiffeners.h"
#include "core/handle_names.h"
#include "core/single_xdata.h"
#include "core/visibility.h"

void TrevanComARX_StiffVisibility(ZcDbObjectId stiffId, bool bVisible)
{
    // One open for the links and the stiffener's own visibility; the marks are shown or
    // hidden even when the stiffener cannot be written (a locked layer).
    CString marks[2];
    {
        ZcDbObjectPointer<ZcDbEntity> pStiff(stiffId, ZcDb::kForRead);
        if (pStiff.openStatus() == Zcad::eOk) {
            TrevanComARX_GetXdataStr(pStiff.object(), "STIFF_SYMARK_HDNAME", marks[0]);
            TrevanComARX_GetXdataStr(pStiff.object(), "STIFF_EYMARK_HDNAME", marks[1]);
            if (pStiff->upgradeOpen() == Zcad::eOk)
                pStiff->setVisibility(bVisible ? ZcDb::kVisible : ZcDb::kInvisible);
        }
    }
    for (const CString& mark : marks) {
        if (!mark.IsEmpty()) TrevanCom_ObjectVisibility(TrevanComARX_GetObjid(mark), bVisible);
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
