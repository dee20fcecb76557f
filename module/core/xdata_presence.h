// Does an entity carry xdata of an application? An entity that cannot be opened carries none.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

TREVANCOM_API bool TrevanComARX_HasXdata(const ZcDbEntity* pEnt, const char* appName);
TREVANCOM_API bool TrevanComARX_HasXdata(ZcDbObjectId objId, const char* appName);
TREVANCOM_API bool TrevanComARX_HasXdata(const ads_name ent, const char* appName);
