// Picking an entity at a point, as the pick box does.
#pragma once

#include "zrx/zrx_all.h"

namespace zrxhost::ed {

// The shown entity of model space nearest to the point within the pick box (PICKBOX pixels
// of the drawing's view); the later drawn wins a tie. Null when none is that close.
ZcDbObjectId pickAt(ZcDbDatabase* db, const ZcGePoint3d& p);

}  // namespace zrxhost::ed
