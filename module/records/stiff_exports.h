// Stiffener records on entities for the sibling modules, always under "STIFF".
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"
#include "records/stiff_data.h"

#define TREVANCOM_STIFF_APP "STIFF"

TREVANCOM_API bool TrevanComARX_GetStiffdata(ZcDbEntity* pEnt, CStiffData& stiff);
// Opens the entity for read and closes it again; false when it cannot be opened.
TREVANCOM_API bool TrevanComARX_GetStiffdata(ZcDbObjectId objId, CStiffData& stiff);
// The caller's record is written as it is: the side completion happens on a copy.
TREVANCOM_API bool TrevanComARX_SetStiffdata(ZcDbObjectId objId, const CStiffData& stiff);
TREVANCOM_API bool TrevanComARX_SetStiffdata(ZcDbEntity* pEnt, const CStiffData& stiff);
