// The module's own arrow blocks for dimensions, made in the working drawing when it lacks
// them: "LiOpen" (an open arrow), "LiOpenR" (an open arrow turned back, its line running on
// past the tip) and "LiNone" (the line alone). Their origin is the tip; they point along +X.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The block's id; false when the block table cannot be had or will not take the new block.
TREVANCOM_API bool TrevanCom_GetDimOpenId(ZcDbObjectId& blockId);
TREVANCOM_API bool TrevanCom_GetDimOpenRId(ZcDbObjectId& blockId);
TREVANCOM_API bool TrevanCom_GetDimNoneId(ZcDbObjectId& blockId);
