#include "core/lisp_args.h"
#include "drafting/stiff_record_lisp.h"
#include "records/stiff_exports.h"

int TrevanComARX_SetStiffAngle()
{
    TrevanLispArgs args;
    ZcDbObjectId id;
    double angle = 0.0;
    if (!args.entity(id) || !args.real(angle)) return args.fail();
    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(id, stiff)) return TrevanLispArgs::retNil();
    stiff.setToritsukeAngle(angle);
    return TrevanLispArgs::retBool(TrevanComARX_SetStiffdata(id, stiff));
}
