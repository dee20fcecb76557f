#include "records/layer_status_lisp.h"

#include "core/layer_status.h"
#include "core/lisp_args.h"

int TrevanComARX_GetLayerStatusLispFunc()
{
    TrevanLispArgs args(TrevanLispArgs::kNumbered);
    CString layer;
    if (!args.str(layer)) return args.fail();
    CLayerStatus status;
    if (!TrevanComARX_GetLayerStatus(layer, status)) return TrevanLispArgs::retNil();
    return TrevanLispArgs::retList(zcutBuildList(RTSHORT, status.m_bFrozen ? 1 : 0, RTSHORT, status.m_bLocked ? 1 : 0,
                                                 RTSHORT, status.m_bOff ? 1 : 0, RTSHORT, status.m_bPlottable ? 1 : 0,
                                                 0));
}

int TrevanComARX_SetLayerStatusLispFunc()
{
    TrevanLispArgs args(TrevanLispArgs::kNumbered);
    CString layer;
    int flags[4] = {0, 0, 0, 0};
    if (!args.str(layer) || !args.listBegin() || !args.integer(flags[0]) || !args.integer(flags[1]) ||
        !args.integer(flags[2]) || !args.integer(flags[3]) || !args.listEnd()) {
        return args.fail();
    }
    CLayerStatus status(flags[0] != 0, flags[1] != 0, flags[2] != 0, flags[3] != 0);
    return TrevanLispArgs::retBool(TrevanComARX_SetLayerStatus(layer, status));
}
