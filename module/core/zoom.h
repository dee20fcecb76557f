// Showing the whole of the drawing.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Sets the current viewport's view to the extents of model space (an A-size sheet frame
// when it has nothing to measure); false with "\nズームに失敗しました." when there is no view.
TREVANCOM_API bool TrevanComARX_ZoomCurDwg();
