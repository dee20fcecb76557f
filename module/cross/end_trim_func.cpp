#include "cross/end_trim_func.h"

#include "core/highlight.h"
#include "core/select_entities.h"
#include "cross/line_trim.h"
#include "cross/member_lines.h"
#include "cross/trim_session.h"
#include "stiffener/stiff_plate_line_find.h"

namespace {

bool pickPartners(ZcDbObjectIdArray& partnerIds)
{
    resbuf* filter = TrevanCom_PlateLineFilter();
    ZcDbObjectIdArray picked;
    const bool ok = TrevanComARX_SelectEntity("相手部材Bを選択(Enter＝確定)：", filter, picked);
    zcutRelRb(filter);
    if (ok) partnerIds = TrevanCom_PlateLineOwners(picked);
    return ok;
}

}  // namespace

int TrevanComARX_StiffTanbuTrimFunc()
{
    if (!TrevanCom_ActualPlateShown()) return RTNORM;
    CStiffLayerOpen layer;
    CSysVarHold pickstyle("PICKSTYLE", 1);
    for (;;) {
        ZcDbObjectIdArray throughLines;
        if (!TrevanComARX_SelectToStiffLineArray("\n通し部材Aを選択：", throughLines)) break;
        const ZcDbObjectId throughId = TrevanCom_PlateLineOwner(throughLines[0]);
        ZcDbObjectIdArray partnerIds;
        const bool ok = pickPartners(partnerIds) && TrevanComARX_LineTrim(throughId, partnerIds);
        TrevanComARX_HighLightObj(throughLines, 0);
        if (!ok) break;
    }
    return RTNORM;
}
