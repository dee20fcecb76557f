// The cursor of the drawing area: where answered points put it.
#pragma once

#include "zrx/ge_point3d.h"

namespace zrxhost::ed {

// Moves the cursor to a UCS point and clicks there, telling the message watchers.
void clickAt(const ZcGePoint3d& ucsPoint);

}  // namespace zrxhost::ed
