// Where entities lie for picks and selection regions. The display looks straight down on
// the world XY plane, so regions are polygons in XY and depth does not count.
#pragma once

#include <vector>

#include "zrx/zrx_all.h"

namespace zrxhost::ed {

using Polygon = std::vector<ZcGePoint2d>;

bool pointInPolygon(const ZcGePoint2d& p, const Polygon& polygon);
// Wholly inside the polygon.
bool entityWithin(const ZcDbEntity* entity, const Polygon& polygon);
// Inside it or crossing its boundary.
bool entityCrossing(const ZcDbEntity* entity, const Polygon& polygon);
// Distance in XY from the point to what the entity shows; infinity when it shows nothing.
double entityDistance(const ZcDbEntity* entity, const ZcGePoint3d& p);
// A point on the entity: half way along a bounded curve, the base point of an unbounded
// one, the middle of a text's box, a point's own place, else the middle of the extents.
ZcGePoint3d pointOnEntity(const ZcDbEntity* entity);

// Visible, and on a layer that is on and thawed: what picks and windows can find.
bool isShown(const ZcDbEntity* entity);
// Entities of a block that are not erased, in append order. Read in a HostAccess scope.
std::vector<ZcDbObjectId> liveEntities(ZcDbObjectId blockId);

}  // namespace zrxhost::ed
