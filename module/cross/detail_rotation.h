// The turn that lays the through member of an intersection detail along the Y axis.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The angle, counter-clockwise about +Z, that turns the direction start -> end onto +Y or
// -Y, whichever is nearer (-Y on a tie).
TREVANCOM_API double TrevanCom_CrossTurnAngle(const ZcGePoint3d& start, const ZcGePoint3d& end);
// That turn about the cross point.
TREVANCOM_API ZcGeMatrix3d TrevanCom_CrossTurn(const ZcGePoint3d& start, const ZcGePoint3d& end, const ZcGePoint3d& crossPt);
