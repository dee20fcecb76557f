// Deleting and rebuilding a stiffener's actual-plate lines, and switching the drawing
// between the moulded and the actual-plate display.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Erases every line the stiffener lists that still exists; the list stays in the record.
TREVANCOM_API void TrevanCom_DeleteStiffJitsuita(ZcDbObjectId stiffId);
// Deletes the lines and their group and builds them again, hidden in the moulded display.
// False when the record cannot be read or written.
TREVANCOM_API bool TrevanCom_RedrawStiffJitsuita(ZcDbObjectId stiffId);
// Moulded display: lines hidden, stiffeners shown. False for an empty list.
TREVANCOM_API bool TrevanCom_MoldHyouji(const ZcDbObjectIdArray& stiffIds);
// Actual-plate display: lines shown (rebuilt when any is missing), stiffeners hidden.
TREVANCOM_API bool TrevanCom_JitsuitaHyouji(const ZcDbObjectIdArray& stiffIds);
