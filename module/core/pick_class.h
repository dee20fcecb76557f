// Picking one entity of given runtime classes or applications, until one is picked or the
// user cancels.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// classNames: runtime class names ("AcDbLine,AcDbPolyline") the entity's class must be
// among, ignoring case; appNames: applications of which the entity must carry one. Empty
// lists (or null) set no condition. Misses, Enter and entities that do not qualify ask
// again; other input errors print "\nERRNO=%d\n" and ask again. 0 with the id and the
// picked point (UCS); -1 on Esc.
TREVANCOM_API int TrevanCom_GetARX_Entsel2(const char* prompt, ZcDbObjectId& objId, ZcGePoint3d& pickPt,
                                           const char* classNames, const char* appNames);
