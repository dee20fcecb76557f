// The model-space entities of a drawing, all of them or those carrying given applications.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Appends the model-space entities of the database: all with an empty (or null) list, else
// those carrying at least one application of the comma list. False when the database's
// model space cannot be walked ("\n<file>のオープンに失敗しました." for the block table and
// model space).
TREVANCOM_API bool TrevanCom_GetAllObjectIdArray(ZcDbDatabase* pDb, ZcDbObjectIdArray& objIds, const char* appNames);
