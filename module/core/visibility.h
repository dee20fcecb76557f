// Whether an entity is shown, and showing or hiding it.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// True when the entity can be opened and is visible.
TREVANCOM_API bool TrevanCom_CheckVisibility(ZcDbObjectId objId);
// Shows (bVisible) or hides the entity; false when it cannot be opened for write.
TREVANCOM_API bool TrevanCom_ObjectVisibility(ZcDbObjectId objId, bool bVisible);
