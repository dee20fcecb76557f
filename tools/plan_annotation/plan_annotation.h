// Everything the module draws for the stiffeners of a plan: start, end and name texts in the
// styles and sizes of the installation's command defaults, and the actual-plate lines.
#pragma once

#include "zrx.h"

struct PlanAnnotation {
    long stiffeners = 0;
    long failed = 0;  // stiffeners some part of which could not be made
};

// Annotates every stiffener of the working drawing, in model-space order.
PlanAnnotation annotateStiffeners(const ZcDbObjectIdArray& stiffIds);
