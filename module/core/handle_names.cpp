#include "core/handle_names.h"

ZcDbObjectId TrevanComARX_GetObjid(const char* handleName)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    if (pDb == nullptr || handleName == nullptr) return ZcDbObjectId::kNull;
    ZcDbHandle handle(handleName);
    if (handle.isNull()) return ZcDbObjectId::kNull;
    ZcDbObjectId objId;
    if (pDb->getZcDbObjectId(objId, false, handle) != Zcad::eOk) return ZcDbObjectId::kNull;
    return objId;
}

bool TrevanComARX_GetObjid(const char* handleName, ZcDbObjectId& objId)
{
    objId = TrevanComARX_GetObjid(handleName);
    if (objId.isNull()) return false;
    ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForRead);
    return pEnt.openStatus() == Zcad::eOk;
}

CString TrevanComARX_GetHandleName(ZcDbObjectId objId)
{
    if (objId.isNull()) return CString();
    char buffer[17] = "";
    objId.handle().getIntoAsciiBuffer(buffer, sizeof buffer);
    return CString(buffer);
}

CString TrevanComARX_GetHandleName(const ads_name ent)
{
    ZcDbObjectId objId;
    if (ent == nullptr || zcdbGetObjectId(objId, ent) != Zcad::eOk) return CString();
    return TrevanComARX_GetHandleName(objId);
}

ZcDbObjectId TrevanComARX_GetLastObjid()
{
    ads_name last;
    ZcDbObjectId objId;
    if (zcdbEntLast(last) != RTNORM || zcdbGetObjectId(objId, last) != Zcad::eOk) return ZcDbObjectId::kNull;
    return objId;
}
