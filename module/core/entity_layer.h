// The layer an entity is on, by name.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The layer name; "0" when the entity cannot be opened.
TREVANCOM_API CString TrevanComARX_GetEntityLayerName(ZcDbObjectId objId);
// True with the layer name; false (name untouched) when the entity cannot be opened.
TREVANCOM_API bool TrevanCom_GetLayerName(ZcDbObjectId objId, CString& strLayer);
