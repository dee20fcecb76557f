// Moving and turning splines round.
#pragma once

#include "geom/spline_nurbs.h"

#include "zrx/ge_matrix3d.h"

namespace zrx::geom {

// Control and fit points are transformed, weights kept: exact for every affine map, non-
// uniform scaling and shear included. Fails for invalid data and projective matrices.
// Tangents turn with the curve; the fit tolerance grows with the matrix's largest scale.
ZRX_API std::optional<Nurbs> transformed(const Nurbs& s, const ZcGeMatrix3d& m,
                                         const ZcGeTol& tol = ZcGeContext::gTol);

// The same curve run the other way over the same parameter range; fit points and tangents
// follow.
ZRX_API Nurbs reversed(const Nurbs& s);

}  // namespace zrx::geom
