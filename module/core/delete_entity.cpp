#include "core/delete_entity.h"

#include "core/handle_names.h"
#include "core/layer_status.h"

bool TrevanComARX_DeleteObj(ZcDbObjectId objId)
{
    if (objId.isNull()) return false;
    CLayerEditGuard guard(objId);
    ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForWrite);
    if (pEnt.openStatus() != Zcad::eOk) return false;
    return pEnt->erase() == Zcad::eOk;
}

bool TrevanComARX_DeleteObj(const char* handleName)
{
    return TrevanComARX_DeleteObj(TrevanComARX_GetObjid(handleName));
}

bool TrevanComARX_DeleteObj(const CStringArray& handleNames)
{
    bool bAll = true;
    for (INT_PTR i = 0; i < handleNames.GetSize(); ++i) {
        bAll = TrevanComARX_DeleteObj(handleNames[i].GetString()) && bAll;
    }
    return bAll;
}

bool TrevanComARX_DeleteObj(const ZcDbObjectIdArray& objIds)
{
    bool bAll = true;
    for (int i = 0; i < objIds.length(); ++i) bAll = TrevanComARX_DeleteObj(objIds[i]) && bAll;
    return bAll;
}
