// What the host's drawing commands share: the working drawing, answered points taken to
// the world, new entities appended to model space.
#pragma once

#include "zrx/zrx_all.h"

namespace zrxhost::app {

ZcDbDatabase* working();
// A real system variable, or the fallback.
double realVar(const char* name, double fallback);
// Appends to model space with the drawing's current layer and line type; the new id.
ZcDbObjectId append(ZcDbEntity* entity);
ZcGePoint3d toPoint(const ads_point p);
// Answered points are UCS points; what is drawn lies in the world.
ZcGePoint3d toWorld(const ZcGePoint3d& p);
ZcGePoint3d toWorld(const ads_point p);
// The angle of the UCS X axis in the world XY plane.
double ucsAngle();
// False, saying so, when no drawing is open.
bool needDrawing();

}  // namespace zrxhost::app
