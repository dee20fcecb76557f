#include "core/lisp_args.h"
#include "drafting/stiff_record_lisp.h"
#include "records/stiff_exports.h"

int TrevanComARX_GetStfiffSEPt()
{
    TrevanLispArgs args(TrevanLispArgs::kNumbered);
    ZcDbObjectId id;
    if (!args.entity(id)) return args.fail();
    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(id, stiff)) return TrevanLispArgs::retNil();
    ads_point ptS = {stiff.m_ptStart.x, stiff.m_ptStart.y, stiff.m_ptStart.z};
    ads_point ptE = {stiff.m_ptEnd.x, stiff.m_ptEnd.y, stiff.m_ptEnd.z};
    return TrevanLispArgs::retList(zcutBuildList(RT3DPOINT, ptS, RT3DPOINT, ptE, 0));
}
