// Handle names: an entity's handle as hexadecimal text, the way one entity names another in
// xdata and a sibling passes entities in strings. Handles are those of the working drawing.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The id the handle name stands for; a null id for text that is no handle or a handle the
// drawing does not have.
TREVANCOM_API ZcDbObjectId TrevanComARX_GetObjid(const char* handleName);
// True when the handle gives an id and that entity can be opened for read (an erased one
// cannot).
TREVANCOM_API bool TrevanComARX_GetObjid(const char* handleName, ZcDbObjectId& objId);
// "" for a null id.
TREVANCOM_API CString TrevanComARX_GetHandleName(ZcDbObjectId objId);
TREVANCOM_API CString TrevanComARX_GetHandleName(const ads_name ent);
// The last entity of the drawing's model space; a null id when it has none.
TREVANCOM_API ZcDbObjectId TrevanComARX_GetLastObjid();
