// Copies of entities that belong to the caller, and letting them go again.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Appends a clone of each entity that can be opened for read; the caller owns the copies
// (not in any database) and frees them with TrevanCom_ClearAcDbEntityAcDbVoidPtrArray.
TREVANCOM_API void TrevanComARX_MakeClone(const ZcDbObjectIdArray& objIds, ZcDbVoidPtrArray& copies);
// Deletes every object of the array and empties it.
TREVANCOM_API void TrevanCom_ClearAcDbEntityAcDbVoidPtrArray(ZcDbVoidPtrArray& objects);
