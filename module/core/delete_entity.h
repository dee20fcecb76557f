// Erasing entities, also those on frozen or locked layers: the layer is opened up for the
// erase and set back as it was afterwards.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// True when the entity was erased; false when it cannot be opened for write (already
// erased, unknown, or its drawing refuses the change).
TREVANCOM_API bool TrevanComARX_DeleteObj(ZcDbObjectId objId);
// By handle name, in the working drawing.
TREVANCOM_API bool TrevanComARX_DeleteObj(const char* handleName);
// Each of the list; true when every one was erased.
TREVANCOM_API bool TrevanComARX_DeleteObj(const CStringArray& handleNames);
TREVANCOM_API bool TrevanComARX_DeleteObj(const ZcDbObjectIdArray& objIds);
