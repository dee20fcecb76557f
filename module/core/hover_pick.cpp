#include "core/hover_pick.h"

#include "core/handle_names.h"
#include "core/entity_layer.h"
#include "core/highlight.h"
#include "core/pickbox_find.h"
#include "core/ucs_points.h"

namespace {

// What the watcher works with while the point is asked for. The one piece of state the
// module keeps between the host's calls into it.
struct HoverState {
    CStringArray types;
    CStringArray apps;
    CString caption;
    ZcDbObjectId held;        // highlighted and named in the tooltip
    CToolTipCtrl* tip = nullptr;  // shown while the point is asked for
};

HoverState& hover()
{
    static HoverState state;
    return state;
}

// The tooltip lives on the main window for one point request only: nothing of the
// window system outlives the call, so unloading the module leaves no window behind.
void openTooltip(CToolTipCtrl& tip)
{
    if (tip.Create(CWnd::FromHandle(adsw_zcadMainWnd()), TTS_ALWAYSTIP)) {
        tip.AddTool(CWnd::FromHandle(adsw_zcadMainWnd()), "DefaultString");
        tip.SetDelayTime(TTDT_AUTOMATIC, 100);
    }
}

bool qualifies(const ZcDbEntity* pEnt)
{
    const HoverState& state = hover();
    if (!state.types.IsEmpty()) {
        CString strType = pEnt->isA()->dxfName();
        bool bListed = false;
        for (INT_PTR i = 0; i < state.types.GetSize() && !bListed; ++i) {
            bListed = strType.CompareNoCase(state.types[i]) == 0;
        }
        if (!bListed) return false;
    }
    return state.apps.IsEmpty() || TrevanCom_CarriesOneOf(pEnt, state.apps);
}

// "caption: LINE 1A3 (STIFF)" - what the entity is, which one, and on which layer.
CString describe(ZcDbObjectId objId)
{
    CString strType;
    {
        ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForRead);
        if (pEnt.openStatus() == Zcad::eOk) strType = pEnt->isA()->dxfName();
    }
    CString strText;
    strText.Format("%s %s (%s)", strType.GetString(), TrevanComARX_GetHandleName(objId).GetString(),
                   TrevanComARX_GetEntityLayerName(objId).GetString());
    if (!hover().caption.IsEmpty()) strText = hover().caption + ": " + strText;
    return strText;
}

void follow(ZcDbObjectId found)
{
    HoverState& state = hover();
    if (found == state.held) return;
    if (!state.held.isNull()) TrevanComARX_HighLightObj(state.held, 0);
    if (!found.isNull()) TrevanComARX_HighLightObj(found, 1);
    state.held = found;
}

void watchCursor(const MSG* pMsg)
{
    if (pMsg == nullptr || pMsg->message != WM_MOUSEMOVE) return;
    ZcGePoint3d world;
    if (!zcedCoordFromPixelToWorld(CPoint(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam)), world)) return;
    ZcGePoint3d ucs = TrevanComTransWtoU(world);
    ads_point at = {ucs.x, ucs.y, 0.0};
    ZcDbObjectId found;
    if (!TrevanCom_PickBoxFind(at, qualifies, found)) found = ZcDbObjectId::kNull;
    follow(found);
    if (hover().tip == nullptr) return;
    CToolTipCtrl& tip = *hover().tip;
    CWnd* pOwner = CWnd::FromHandle(adsw_zcadMainWnd());
    tip.UpdateTipText(found.isNull() ? CString("NOT SELECT") : describe(found), pOwner);
    tip.RelayEvent(const_cast<MSG*>(pMsg));
}

}  // namespace

int TrevanCom_GetARX_Entsel(const char* prompt, ZcDbObjectId& objId, ZcGePoint3d& pickPt, const char* entTypes,
                            const char* appNames, const char* tipCaption)
{
    HoverState& state = hover();
    state.types.RemoveAll();
    state.apps.RemoveAll();
    TrevanCom_SplitNames(entTypes, state.types);
    TrevanCom_SplitNames(appNames, state.apps);
    state.caption = tipCaption != nullptr ? tipCaption : "";
    state.held = ZcDbObjectId::kNull;
    CToolTipCtrl tip;
    openTooltip(tip);
    tip.Activate(TRUE);
    state.tip = &tip;

    ads_point pt;
    zcedRegisterWatchWinMsg(watchCursor);
    int rc = zcedGetPoint(nullptr, prompt, pt);
    zcedRemoveWatchWinMsg(watchCursor);

    tip.Pop();
    state.tip = nullptr;
    ZcDbObjectId held = state.held;
    follow(ZcDbObjectId::kNull);
    if (rc == RTNONE) return 2;
    if (rc != RTNORM) return -1;
    pickPt.set(pt[X], pt[Y], pt[Z]);
    if (held.isNull()) return 1;
    objId = held;
    return 0;
}
