// Where a stiffener lies, as its entity draws it: the record's end points, arrow size and
// plane normal are never stored in its xdata.
#pragma once

#include "zrx.h"

#include "records/stiff_data.h"

// An aligned dimension gives its measured line moved onto the dimension line, its own arrow
// size and its normal; a curve gives its ends, the drawing's DIMASZ and the world Z axis.
// Any other entity leaves those fields as they are.
void TrevanCom_ReadStiffGeometry(const ZcDbEntity* pEnt, CStiffData& stiff);
