// What the editor would show, for tests: highlighted entities and temporary vectors.
#pragma once

#include <vector>

#include "zrx/db_id.h"
#include "zrx/ge_point3d.h"

namespace zrxhost {

ZRX_API bool isHighlighted(ZcDbObjectId id);
// Entities undrawn with zcedRedraw mode 2 and not redrawn since.
ZRX_API bool isUndrawn(ZcDbObjectId id);

struct GrVector {
    ZcGePoint3d from;
    ZcGePoint3d to;
    int color = 0;
    bool highlighted = false;
};
ZRX_API const std::vector<GrVector>& grDrawVectors();

// Entities whose graphics were marked modified (recordGraphicsModified) and not drawn
// again since: zcedUpdateDisplay and a regeneration draw them.
ZRX_API bool isGraphicsPending(ZcDbObjectId id);
ZRX_API void markGraphicsPending(ZcDbObjectId id);

// Forgets every highlight and vector (a fresh display).
ZRX_API void resetDisplayState();

}  // namespace zrxhost
