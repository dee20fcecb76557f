#include "core/visibility.h"

bool TrevanCom_CheckVisibility(ZcDbObjectId objId)
{
    ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForRead);
    return pEnt.openStatus() == Zcad::eOk && pEnt->visibility() == ZcDb::kVisible;
}

bool TrevanCom_ObjectVisibility(ZcDbObjectId objId, bool bVisible)
{
    ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForWrite);
    if (pEnt.openStatus() != Zcad::eOk) return false;
    return pEnt->setVisibility(bVisible ? ZcDb::kVisible : ZcDb::kInvisible) == Zcad::eOk;
}
