#include "core/xdata_presence.h"

bool TrevanComARX_HasXdata(const ZcDbEntity* pEnt, const char* appName)
{
    // Asked of the host directly: copying the chain only to throw it away costs too much
    // when every entity of a drawing is tested.
    return pEnt != nullptr && appName != nullptr && pEnt->hasXData(appName);
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
