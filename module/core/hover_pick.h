// Picking an entity by pointing at it while a point is asked for: the entity under the
// cursor that qualifies is highlighted and named in a tooltip as the cursor moves.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// entTypes: type names (group 0, "LINE,LWPOLYLINE") and appNames: applications of which
// the entity must carry one; empty (or null) lists set no condition. tipCaption (may be
// null or "") leads the tooltip's description of the entity; "NOT SELECT" shows when
// nothing under the cursor qualifies.
// 0 with the entity under the point given and the point (UCS); 1 with the point alone
// when nothing there qualifies; 2 on Enter; -1 on Esc.
TREVANCOM_API int TrevanCom_GetARX_Entsel(const char* prompt, ZcDbObjectId& objId, ZcGePoint3d& pickPt,
                                          const char* entTypes, const char* appNames, const char* tipCaption);
