#include "cross/trim_session.h"

#include "stiffener/stiff_show_mode.h"

CStiffLayerOpen::CStiffLayerOpen()
{
    m_bHeld = TrevanComARX_GetLayerStatus("STIFF", m_saved);
    if (m_bHeld) TrevanComARX_SetLayerStatus("STIFF", CLayerStatus(false, false, false, m_saved.m_bPlottable));
}

CStiffLayerOpen::~CStiffLayerOpen()
{
    if (m_bHeld) TrevanComARX_SetLayerStatus("STIFF", m_saved);
}

CSysVarHold::CSysVarHold(const char* name, int value) : m_name(name)
{
    m_bHeld = zcedGetVar(name, &m_saved) == RTNORM && m_saved.restype == RTSHORT;
    if (!m_bHeld) return;
    resbuf working{};
    working.restype = RTSHORT;
    working.resval.rint = static_cast<short>(value);
    zcedSetVar(name, &working);
}

CSysVarHold::~CSysVarHold()
{
    if (m_bHeld) zcedSetVar(m_name, &m_saved);
}

bool TrevanCom_ActualPlateShown()
{
    const int mode = TrevanComARX_GetStiffShowMode();
    if (mode == -1 || mode == -2) return false;
    if (mode == 0) {
        zcutPrintf("\nモールド表示では実行できません。実板表示に切り替えてください。");
        return false;
    }
    return true;
}
