// Adding a new entity to the model space of a drawing.
#pragma once

#include "zrx.h"

// Appends and closes the entity; false when model space cannot take it, the entity then
// still the caller's to delete.
bool TrevanCom_AppendToModelSpace(ZcDbEntity* pEnt, ZcDbObjectId& objId, ZcDbDatabase* pDb);
