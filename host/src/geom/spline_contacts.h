// Turning what the library's finders report into one parameter per contact. Near a
// tangency they report a little cluster of points, or a short stretch common to both
// curves, where there is one point of contact: finds that lie close together, with the
// first curve staying on the second between them, are one contact. In a plane the contact
// is then pinned down where the two tangents turn past each other; elsewhere it is the
// middle of the cluster.
#pragma once

#include "zrx/ge_point3d.h"

#include <functional>
#include <vector>

namespace zrx::geom::crossing {

struct Tolerances {
    double onBoth = 0.0;    // a point lies on both curves when within this of each
    double stretch = 0.0;   // finds closer than this may be one contact; longer common stretches are overlaps
};

// A stretch [u0, u1] of the first curve's parameter reported as common; a point when equal.
struct Find {
    double u0 = 0.0;
    double u1 = 0.0;
};

struct ContactTests {
    std::function<ZcGePoint3d(double)> pointAt;      // on the first curve
    std::function<double(const ZcGePoint3d&)> gap;   // distance to the second curve
    // Optional: the signed angle from the first curve's tangent to the second's, which
    // changes sign at a tangency of two curves in a plane.
    std::function<double(double)> side;
    // A closed first curve: finds either side of its seam may be one contact.
    double start = 0.0;
    double period = 0.0;
};

std::vector<double> contacts(std::vector<Find> finds, const ContactTests& tests, const Tolerances& tol);

}  // namespace zrx::geom::crossing
