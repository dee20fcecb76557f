#include "cross/cross_point_func.h"

#include "core/delete_entity.h"
#include "core/highlight.h"
#include "core/select_entities.h"
#include "core/single_xdata.h"
#include "cross/cross_point.h"
#include "cross/cross_point_dialog.h"
#include "cross/cross_point_record.h"
#include "cross/cross_point_weight.h"
#include "cross/member_lines.h"
#include "cross/support_bracket.h"
#include "cross/trim_session.h"
#include "stiffener/stiff_plate_line_find.h"

namespace {

// The distinct stiffeners of the picked lines other than the through member; false when the
// pick ends without lines or names more than two.
bool pickPartners(ZcDbObjectId throughId, ZcDbObjectIdArray& partnerIds)
{
    resbuf* filter = TrevanCom_PlateLineFilter();
    ZcDbObjectIdArray picked;
    bool ok = false;
    {
        CSysVarHold pickstyle("PICKSTYLE", 1);
        ok = TrevanComARX_SelectEntity("相手部材Bを選択(Enter＝確定)：", filter, picked);
    }
    zcutRelRb(filter);
    if (!ok) return false;
    for (ZcDbObjectId owner : TrevanCom_PlateLineOwners(picked)) {
        if (owner != throughId) partnerIds.append(owner);
    }
    if (partnerIds.length() > 2) {
        zcutPrintf("\n対象部材が2つ以上選択されています.");
        return false;
    }
    return true;
}

// The point named by the user; false, with the point erased, when the name is not given.
bool namePoint(ZcDbObjectId pointId)
{
    char name[256] = "";
    if (zcedGetString(1, "\n交差部名称を入力", name, sizeof name) != RTNORM) {
        TrevanComARX_DeleteObj(pointId);
        return false;
    }
    return TrevanComARX_SetXdataStr(pointId, TREVANCOM_CROSS_NAME_APP, name) == 1;
}

void recordAreaWeight(ZcDbObjectId pointId, double area, double weight)
{
    ZcDbObjectPointer<ZcDbEntity> point(pointId, ZcDb::kForWrite);
    if (point.openStatus() != Zcad::eOk) return;
    TrevanComARX_SetXdataReal(point.object(), TREVANCOM_CROSS_AREA_APP, area);
    TrevanComARX_SetXdataReal(point.object(), TREVANCOM_CROSS_WEIGHT_APP, weight);
}

void placePoint(ZcDbObjectId throughId)
{
    ZcDbObjectIdArray partnerIds;
    ZcGePoint3d at;
    if (!pickPartners(throughId, partnerIds) || !TrevanComARX_GetComStiffCrossPoint(throughId, partnerIds, at)) return;
    DclSelectStiffCrossData dlg(throughId, partnerIds[0],
                                partnerIds.length() > 1 ? partnerIds[1] : ZcDbObjectId::kNull);
    if (dlg.DoModal() != IDOK) return;
    TrevanCom_ShowCrossPoints();
    const CCrossPointKeys keys{dlg.m_strThroughHandle, dlg.m_strPartner1Handle, dlg.m_strPartner2Handle,
                               dlg.m_strDwgPath};
    ZcDbObjectId pointId;
    if (!TrevanCom_MakeCrossPoint(at, keys, pointId) || !namePoint(pointId)) return;
    TrevanCom_MakeCrossSupportBracket(pointId, "R", kTrevanBracketColour);
    double area = 0.0, weight = 0.0;
    if (TrevanCom_CrossPlateAreaWeight(keys.m_strDwgName, area, weight)) recordAreaWeight(pointId, area, weight);
}

}  // namespace

int TrevanComARX_StiffCrossDataSetFunc()
{
    ZcDbObjectIdArray throughLines;
    if (!TrevanComARX_SelectToStiffLineArray("\n通し部材Aを選択：", throughLines)) return RTNORM;
    placePoint(TrevanCom_PlateLineOwner(throughLines[0]));
    TrevanComARX_HighLightObj(throughLines, 0);
    return RTNORM;
}
