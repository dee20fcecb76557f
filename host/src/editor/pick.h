// Picking an entity at a point, as the pick box does.
#pragma once

#include <vector>

#include "zrx/zrx_all.h"

namespace zrxhost::ed {

// The shown entity of model space nearest to the point within the pick box (PICKBOX pixels
// of the drawing's view); the later drawn wins a tie. Null when none is that close.
ZcDbObjectId pickAt(ZcDbDatabase* db, const ZcGePoint3d& p);

// What a pick inside a block reference reaches: the entity of the block definition, the
// matrix that places the definition's entities in the world, and the references passed
// through, innermost first. An attribute is reached as itself, with no references, as it
// lies in the world already.
struct NestedHit {
    ZcDbObjectId leaf;
    ZcGeMatrix3d toWorld;
    std::vector<ZcDbObjectId> containers;
};
NestedHit nestedAt(ZcDbDatabase* db, ZcDbObjectId top, const ZcGePoint3d& worldPoint);

// The entity-pick question: asks until a point or handle answer hits, misses, or is Enter,
// Esc or a keyword. Gives RTNORM with the entity and the pick point in the UCS.
int pickEntity(const char* prompt, ZcDbObjectId& hit, ZcGePoint3d& at);

}  // namespace zrxhost::ed
