#include "longi/link_long_check_command.h"

#include "core/handle_names.h"
#include "core/highlight.h"
#include "core/xdata_presence.h"
#include "longi/landing_curve_pick.h"
#include "longi/long_sections.h"

void TrevanCom_LinkLongCheck()
{
    ZcDbObjectId curveId;
    for (;;) {
        if (!TrevanCom_SelectLandingCurve(curveId)) return;
        if (TrevanComARX_HasXdata(curveId, TREVAN_LANDING_MARK_APP)) break;
        zcutPrintf("\nロンジランディング線ではありません");
    }
    ZcDbObjectIdArray linked;
    if (!TrevanCom_SectionsLinkedTo(TrevanComARX_GetHandleName(curveId), linked)) return;
    TrevanComARX_HighLightObj(linked, 1);
    // Any answer ends the look, Esc as well.
    ads_point pt;
    zcedGetPoint(nullptr, "\n", pt);
    TrevanComARX_HighLightObj(linked, 0);
}
