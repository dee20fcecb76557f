// The area and weight of a detail drawing's support plates, recorded on its intersection
// point.
#pragma once

#include "zrx.h"

// Area: the sum of the plate outlines' areas (mm²). Weight: the sum over plates of area ×
// thickness / 1000 × the gravity of the plate's material / 1000 (kg). The thickness is the
// plate record's PWT, the value the brackets are drawn thick with. False when the drawing
// does not open.
bool TrevanCom_CrossPlateAreaWeight(const char* dwgPath, double& area, double& weight);
