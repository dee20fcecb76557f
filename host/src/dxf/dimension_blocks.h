// The anonymous "*D" block of each dimension that has none yet (made in the host), holding
// its lines, solid arrowheads and text, so that programs that draw a dimension from its
// block show it.
#pragma once

#include "db_database.h"

namespace zrx::dxf {

// Runs inside the writer's host access; blocks join the drawing and stay after the save.
void giveDimensionsBlocks(ZcDbDatabase* db);

}  // namespace zrx::dxf
