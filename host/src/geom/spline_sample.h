// Turning a spline into points for drawing.
#pragma once

#include "geom/spline_nurbs.h"

namespace zrx::geom {

// Points along the spline, first and last at its ends, so that the chords between them
// stray from the curve by at most chordTolerance and turn by at most about 10° each. The
// tolerance is kept above a millionth of the model scale, so a careless caller cannot ask
// for millions of points. Empty on invalid data.
ZRX_API std::vector<ZcGePoint3d> sample(const Nurbs& s, double chordTolerance);

}  // namespace zrx::geom
