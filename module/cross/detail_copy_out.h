// The cut-out of an intersection detail: the actual-plate lines of the plan cut at the
// region, turned, and copied into a new drawing of their own.
#pragma once

#include "zrx.h"

// Every entity of the drawing's model space that names its stiffener as an actual-plate
// line. False, with the failing step's message, when model space cannot be walked.
bool TrevanCom_PlateLineCandidates(ZcDbDatabase* pDb, ZcDbObjectIdArray& candidates);
// The candidates' pieces inside the region, turned and appended to the working drawing's
// model space (temps); the pieces outside are dropped. False when no piece was appended.
bool TrevanCom_CrossTurnedCutOut(const ZcGePoint3d& corner1, const ZcGePoint3d& corner2,
                                 const ZcDbObjectIdArray& candidates, const ZcGeMatrix3d& turn,
                                 ZcDbObjectIdArray& temps);
// The temporaries copied (base point the origin) into an empty database, ready to go into
// the detail drawing; null when the copy fails.
ZcDbDatabase* TrevanCom_CrossCopyTemps(const ZcDbObjectIdArray& temps);
// The copy brought into the working drawing through the user system's matrix; the copy is
// deleted whatever happens.
bool TrevanCom_CrossInsertCopy(ZcDbDatabase* pCopy, const ZcGeMatrix3d& ucs);
