#include "core/xdata_presence.h"

bool TrevanComARX_HasXdata(const ZcDbEntity* pEnt, const char* appName)
{
    if (pEnt == nullptr || appName == nullptr) return false;
    // The platform answers presence only with a copy of the application's chain.
    resbuf* xdata = pEnt->xData(appName);
    if (xdata == nullptr) return false;
    zcutRelRb(xdata);
    return true;
}

bool TrevanComARX_HasXdata(ZcDbObjectId objId, const char* appName)
{
    ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForRead);
    return ent.openStatus() == Zcad::eOk && TrevanComARX_HasXdata(ent.object(), appName);
}

bool TrevanComARX_HasXdata(const ads_name ent, const char* appName)
{
    ZcDbObjectId id;
    if (zcdbGetObjectId(id, ent) != Zcad::eOk) return false;
    return TrevanComARX_HasXdata(id, appName);
}
