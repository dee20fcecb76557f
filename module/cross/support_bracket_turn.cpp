#include "cross/support_bracket_turn.h"

#include "core/delete_entity.h"
#include "core/handle_names.h"
#include "core/select_entities.h"
#include "core/single_xdata.h"
#include "cross/cross_point_lookups.h"
#include "cross/support_bracket.h"

namespace {

// The distinct points of the brackets, in order of first appearance.
CStringArray parentsOf(const ZcDbObjectIdArray& bracketIds)
{
    CStringArray parents;
    for (ZcDbObjectId id : bracketIds) {
        CString parent;
        if (TrevanComARX_GetXdataStr(id, TREVANCOM_BRACKET_PARENT_APP, parent) != 1) continue;
        if (parent.IsEmpty()) continue;
        bool known = false;
        for (INT_PTR i = 0; i < parents.GetSize() && !known; ++i) known = parents[i].CompareNoCase(parent) == 0;
        if (!known) parents.Add(parent);
    }
    return parents;
}

void turn(const CString& parent)
{
    ZcDbObjectId pointId;
    if (!TrevanComARX_GetObjid(parent, pointId)) return;
    ZcDbObjectIdArray brackets;
    TrevanComARX_GetCrossSupportBracket(parent, brackets, pointId.database());
    CString side;
    if (!brackets.isEmpty()) TrevanComARX_GetXdataStr(brackets[0], TREVANCOM_BRACKET_AXIS_APP, side);
    TrevanComARX_DeleteObj(brackets);
    TrevanCom_MakeCrossSupportBracket(pointId, side == "R" ? "L" : "R", kTrevanBracketColour);
}

}  // namespace

int TrevanComARX_StiffCrossReverseFunc()
{
    resbuf* filter = zcutBuildList(-3, 1001, TREVANCOM_BRACKET_APP, RTNONE);
    ZcDbObjectIdArray picked;
    const bool ok = TrevanComARX_SelectEntity("板逃げを変更する交差部図形を選択(Enter＝確定)：", filter, picked);
    zcutRelRb(filter);
    if (!ok) return RTNORM;
    const CStringArray parents = parentsOf(picked);
    if (parents.GetSize() == 0) {
        zcutPrintf("\n交差点の取得に失敗しました.");
        return RTNORM;
    }
    for (INT_PTR i = 0; i < parents.GetSize(); ++i) turn(parents[i]);
    return RTNORM;
}
