// Front and back of a stiffener: the data folder's MST\STIFFSIZE.INI names the line type of
// a stiffener on the front side ("LT1") and on the back side ("LT2") in section "STIFF1".
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Both names; without a data folder they keep what they held, and a missing key gives the
// ini reader's not-found text.
TREVANCOM_API void TrevanCom_GetStiffOU(CString& strFront, CString& strBack);
// True when the stiffener line lies on the front side: its line type (ByLayer and ByBlock
// resolved through its layer) is not the back-side line type.
TREVANCOM_API bool TrevanCom_CheckStiffOU(ZcDbEntity* pEnt);
// The same by id; false when the entity cannot be opened.
TREVANCOM_API bool TrevanCom_CheckStiffOU(ZcDbObjectId objId);
