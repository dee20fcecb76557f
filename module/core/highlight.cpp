#include "core/highlight.h"

void TrevanComARX_HighLightObj(ZcDbObjectId objId, int nFlag)
{
    ads_name ent;
    if (zcdbGetAdsName(ent, objId) != Zcad::eOk) return;
    zcedRedraw(ent, nFlag != 0 ? 3 : 4);
}

void TrevanComARX_HighLightObj(ZcDbObjectIdArray objIds, int nFlag)
{
    for (int i = 0; i < objIds.length(); ++i) TrevanComARX_HighLightObj(objIds[i], nFlag);
}
