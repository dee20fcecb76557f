#include "core/geom_extents.h"

namespace {

// False when the entity cannot be opened; bAny tells whether the box holds anything yet.
bool addExtents(ZcDbObjectId objId, ZcDbExtents& all, bool& bAny)
{
    ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForRead);
    if (pEnt.openStatus() != Zcad::eOk) return false;
    ZcDbExtents ext;
    if (pEnt->getGeomExtents(ext) != Zcad::eOk) return true;
    if (bAny) {
        all.addExt(ext);
    } else {
        all = ext;
        bAny = true;
    }
    return true;
}

}  // namespace

bool TrevanComARX_GetGeomExtents(const ZcDbObjectIdArray& objIds, ZcGePoint3d& maxPt, ZcGePoint3d& minPt)
{
    if (objIds.isEmpty()) return false;
    ZcDbExtents all;
    bool bAny = false;
    if (!addExtents(objIds[0], all, bAny)) return false;
    for (int i = 1; i < objIds.length(); ++i) addExtents(objIds[i], all, bAny);
    // Entities without extents of their own (an empty text) leave nothing to enclose.
    if (!bAny) return false;
    maxPt = all.maxPoint();
    minPt = all.minPoint();
    return true;
}
