// Centre lines through a block placed on a body plan or section, with the scale mark under
// them.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// (ename of a block reference) -> T: the block is exploded into model space and centre
// lines are drawn through its insertion point around its extents; nil when the reference
// cannot be opened or the lines cannot be drawn.
extern "C" TREVANCOM_API int TrevanComARX_center_line();

// A horizontal centre line through the point reaching 2000 beyond the farther side of the
// box, a vertical one from 2000 above the first corner's level down to 5000 below the
// point (red, "CENTER", line type scale 50), and the scale mark "sym\sclmark.dwg" of the
// data folder 1400 below the vertical line, at scale 200, red. False when a line cannot be
// added, there is no data folder or the mark cannot be inserted.
TREVANCOM_API bool TrevanComARX_CreateBaseLine(const ZcGePoint3d& insertion, const ZcGePoint3d& firstCorner,
                                               const ZcGePoint3d& secondCorner);
