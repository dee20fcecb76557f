#include "records/support_plate_attr.h"

SupportPlateAttr::SupportPlateAttr() { TrevanCom_StructInit(this); }

bool SupportPlateAttr::Get(ZcDbObjectId objId)
{
    if (!TrevanCom_StructGet(objId, this)) return false;
    m_objectId = objId;
    return true;
}

bool SupportPlateAttr::Get(const ZcDbEntity* pEnt)
{
    if (!TrevanCom_StructGet(pEnt, this)) return false;
    m_objectId = pEnt->objectId();
    return true;
}

bool SupportPlateAttr::Set(ZcDbObjectId objId)
{
    if (!TrevanCom_StructSet(objId, *this)) return false;
    m_objectId = objId;
    return true;
}
