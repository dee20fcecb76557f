// What the editor would show, for tests: highlighted entities and temporary vectors.
#pragma once

#include <vector>

#include "zrx/db_database.h"
#include "zrx/db_id.h"
#include "zrx/ge_point3d.h"

namespace zrxhost {

ZRX_API bool isHighlighted(ZcDbObjectId id);
// Entities undrawn with zcedRedraw mode 2 and not redrawn since.
ZRX_API bool isUndrawn(ZcDbObjectId id);

// A zcedGrDraw vector, in world coordinates (converted from the UCS current when drawn).
struct GrVector {
    ZcGePoint3d from;
    ZcGePoint3d to;
    int color = 0;
    bool highlighted = false;
};
// The vectors drawn in the view of the working drawing, or of db, since its last REGEN or
// redraw of everything.
ZRX_API const std::vector<GrVector>& grDrawVectors();
ZRX_API const std::vector<GrVector>& grDrawVectors(const ZcDbDatabase* db);
// What REGEN does to them.
ZRX_API void clearGrDrawVectors(const ZcDbDatabase* db);

// Entities whose graphics were marked modified (recordGraphicsModified) and not drawn
// again since: zcedUpdateDisplay and a regeneration draw them.
ZRX_API bool isGraphicsPending(ZcDbObjectId id);
ZRX_API void markGraphicsPending(ZcDbObjectId id);

// Forgets every highlight and vector (a fresh display).
ZRX_API void resetDisplayState();

}  // namespace zrxhost
