#include "core/clone_entities.h"

void TrevanComARX_MakeClone(const ZcDbObjectIdArray& objIds, ZcDbVoidPtrArray& copies)
{
    for (int i = 0; i < objIds.length(); ++i) {
        ZcDbObjectPointer<ZcDbEntity> pEnt(objIds[i], ZcDb::kForRead);
        if (pEnt.openStatus() != Zcad::eOk) continue;
        ZcRxObject* pCopy = pEnt->clone();
        if (pCopy != nullptr) copies.append(pCopy);
    }
}

void TrevanCom_ClearAcDbEntityAcDbVoidPtrArray(ZcDbVoidPtrArray& objects)
{
    for (int i = 0; i < objects.length(); ++i) delete static_cast<ZcRxObject*>(objects[i]);
    objects.removeAll();
}
