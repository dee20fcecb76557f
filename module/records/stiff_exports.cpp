#include "records/stiff_exports.h"

bool TrevanComARX_GetStiffdata(ZcDbEntity* pEnt, CStiffData& stiff)
{
    return stiff.getStiffdata(pEnt, TREVANCOM_STIFF_APP);
}

bool TrevanComARX_GetStiffdata(ZcDbObjectId objId, CStiffData& stiff)
{
    ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForRead);
    if (ent.openStatus() != Zcad::eOk) return false;
    return stiff.getStiffdata(ent.object(), TREVANCOM_STIFF_APP);
}

bool TrevanComARX_SetStiffdata(ZcDbObjectId objId, const CStiffData& stiff)
{
    CStiffData copy(stiff);
    return copy.setStiffdata(objId, TREVANCOM_STIFF_APP);
}

bool TrevanComARX_SetStiffdata(ZcDbEntity* pEnt, const CStiffData& stiff)
{
    CStiffData copy(stiff);
    return copy.setStiffdata(pEnt, TREVANCOM_STIFF_APP);
}
