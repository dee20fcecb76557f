#include "core/curve_intersect.h"

bool TrevanCom_GetintersectWith(ZcDbObjectId idA, ZcDbObjectId idB, ZcDb::Intersect intType, ZcGePoint3dArray& points)
{
    ZcDbObjectPointer<ZcDbEntity> pA(idA, ZcDb::kForRead);
    if (pA.openStatus() != Zcad::eOk) return false;
    // The same entity twice is open once: it meets itself nowhere.
    if (idA == idB) return true;
    ZcDbObjectPointer<ZcDbEntity> pB(idB, ZcDb::kForRead);
    if (pB.openStatus() != Zcad::eOk) return false;
    return pA->intersectWith(pB.object(), intType, points) == Zcad::eOk;
}
