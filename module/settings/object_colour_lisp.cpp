#include "core/lisp_args.h"
#include "settings/object_colour.h"

int TrevanComARX_SetObjCol()
{
    TrevanLispArgs args;
    ZcDbObjectId objId;
    int nColor = 0;
    if (!args.entity(objId) || !args.integer(nColor)) return args.fail();
    if (!TrevanCom_SetObjCol(objId, nColor)) {
        zcutPrintf("\n引数エラー");
        return TrevanLispArgs::retNil();
    }
    return TrevanLispArgs::retT();
}
