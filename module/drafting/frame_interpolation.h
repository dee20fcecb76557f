// The half-breadths of a frame section that lies between drawn ones: at each level between
// two level lines, the sections' half-breadths at that level are interpolated by a spline
// over their longitudinal positions, and read off at the new position.
#pragma once

#include <vector>

#include "zrx.h"

struct FrameSample {
    const ZcDbCurve* section;  // flattened onto the plan, not in any drawing
    double position;           // its longitudinal position
};

// The points of the new section, from the top level down: division + 1 levels between the
// start points of the two level lines; a level the sections do not reach on both sides of
// the new position gives none. Half-breadths are measured across from the x of the point,
// and laid off on the side where the sections lie.
std::vector<ZcGePoint3d> TrevanCom_InterpolatedSection(const std::vector<FrameSample>& sections,
                                                       const ZcDbCurve& lineA, const ZcDbCurve& lineB,
                                                       int division, double newPosition, const ZcGePoint3d& from);
