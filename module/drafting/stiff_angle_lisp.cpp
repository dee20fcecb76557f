#include "core/lisp_args.h"
#include "drafting/stiff_record_lisp.h"
#include "records/stiff_exports.h"
#include "records/stiff_read.h"

int TrevanComARX_SetStiffAngle()
{
    TrevanLispArgs args;
    ZcDbObjectId id;
    double angle = 0.0;
    if (!args.entity(id) || !args.real(angle)) return args.fail();
    CStiffData stiff;
    {
        ZcDbObjectPointer<ZcDbEntity> ent(id, ZcDb::kForRead);
        // Xdata no layout reads would be overwritten with a default record: refused.
        if (ent.openStatus() != Zcad::eOk ||
            TrevanCom_ReadStiffRecord(ent.object(), TREVANCOM_STIFF_APP, stiff) != TrevanStiffRead::kRead)
            return TrevanLispArgs::retNil();
    }
    stiff.setToritsukeAngle(angle);
    return TrevanLispArgs::retBool(TrevanComARX_SetStiffdata(id, stiff));
}
