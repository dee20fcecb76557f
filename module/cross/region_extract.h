// Cutting the actual-plate lines of a drawing at a rectangular region and sorting the
// pieces into those inside it and those outside. The candidates are never changed: the
// pieces are new entities the caller appends or deletes.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The region is the rectangle with the two world corners as opposite vertices. Candidates
// that produce pieces are appended to taken; each piece goes to inside (its mid-point
// strictly inside) or outside. Always true.
TREVANCOM_API bool TrevanCom_ExtractCrossRegion(const ZcGePoint3d& corner1, const ZcGePoint3d& corner2,
                                                const ZcDbObjectIdArray& candidates, ZcDbObjectIdArray& taken,
                                                ZcDbVoidPtrArray& inside, ZcDbVoidPtrArray& outside);
// One candidate against the region (a closed polyline), its vertices and its box. False when
// the entity is no curve, lies apart from the box, does not cross the region's boundary or
// cannot be cut. A curve wholly inside, touching nothing, gives no pieces.
TREVANCOM_API bool TrevanCom_CutAtCrossRegion(const ZcDbPolyline* pRegion, const ZcGePoint3dArray& polygon,
                                              const ZcDbExtents& regionBox, const ZcDbEntity* pEnt,
                                              ZcDbVoidPtrArray& inside, ZcDbVoidPtrArray& outside);
