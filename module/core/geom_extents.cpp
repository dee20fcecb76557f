#include "core/geom_extents.h"

namespace {

// False when the entity cannot be opened.
bool addExtents(ZcDbObjectId objId, ZcDbExtents& all)
{
    ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForRead);
    if (pEnt.openStatus() != Zcad::eOk) return false;
    ZcDbExtents ext;
    if (pEnt->getGeomExtents(ext) == Zcad::eOk && !ext.isEmpty()) all.addExt(ext);
    return true;
}

}  // namespace

bool TrevanComARX_GetGeomExtents(const ZcDbObjectIdArray& objIds, ZcGePoint3d& maxPt, ZcGePoint3d& minPt)
{
    if (objIds.isEmpty()) return false;
    ZcDbExtents all;
    if (!addExtents(objIds[0], all)) return false;
    for (int i = 1; i < objIds.length(); ++i) addExtents(objIds[i], all);
    // Entities without extents of their own (an empty text) leave nothing to enclose.
    if (all.isEmpty()) return false;
    maxPt = all.maxPoint();
    minPt = all.minPoint();
    return true;
}
