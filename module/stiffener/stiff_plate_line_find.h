// Finding actual-plate lines: a stiffener's lines, the stiffener of a line, and picking a
// stiffener through one of its lines.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The handles the stiffener's record lists; false when its code or list is empty.
TREVANCOM_API bool TrevanCom_CheckStiffLine(ZcDbObjectId stiffId, CStringArray& handles);
// Only the lines that still exist and can be opened.
TREVANCOM_API bool TrevanCom_CheckStiffLine(ZcDbEntity* pStiff, ZcDbObjectIdArray& lineIds);
TREVANCOM_API bool TrevanCom_CheckStiffLine(ZcDbObjectId stiffId, ZcDbObjectIdArray& lineIds);
// The first stiffener of the drawing whose list holds the line's handle; false and a null
// id when none does.
TREVANCOM_API bool TrevanComARX_StiffJitsuitaLineSearch(const char* lineHandle, ZcDbObjectId& stiffId);
// The user picks one actual-plate line; every line of its stiffener is highlighted and
// given back. False when the pick ends without a line or the stiffener lists none.
TREVANCOM_API bool TrevanComARX_SelectToStiffLineArray(const char* prompt, ZcDbObjectIdArray& lineIds);
