// The colour an entity is seen in: its own colour index, or its layer's when it takes the
// colour by layer or by block.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The effective colour index; 0 when the entity (or the layer it takes its colour from)
// cannot be opened.
TREVANCOM_API int TrevanCom_GetObjCol(ZcDbObjectId objId);
// Gives the entity (and its sub-entities) the colour index, unless it is already seen in
// it; false when it cannot be opened for write or the colour is not one.
TREVANCOM_API bool TrevanCom_SetObjCol(ZcDbObjectId objId, int nColor);

// (ename colour) -> T, or nil with "\n引数エラー" on bad arguments and when the entity
// cannot take the colour.
extern "C" TREVANCOM_API int TrevanComARX_SetObjCol();
