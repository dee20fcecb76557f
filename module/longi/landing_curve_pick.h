// Picking the curve a family of shell longitudinals lands on: a line, arc, spline or
// lightweight polyline.
#pragma once

#include "zrx.h"

// Asks until such a curve is picked. False on Esc, on an empty answer, and on any other
// input error (after printing its number).
bool TrevanCom_SelectLandingCurve(ZcDbObjectId& objId);
