// Merging clustered finds and pinning tangent contacts down.
#include "geom/spline_contacts.h"

#include <algorithm>

namespace zrx::geom::crossing {

namespace {

struct Group {
    double lo = 0.0;
    double hi = 0.0;
};

// Bisection on the tangents' turn. The cluster is widened by half on each side, since the
// finders' points need not straddle the contact; without a change of sign (equal
// curvatures) the middle is as good as anything. `at` brings a parameter carried back
// over a closed curve's seam into range.
double pinned(double lo, double hi, const ContactTests& tests, const std::function<double(double)>& at)
{
    const double mid = (lo + hi) / 2;
    if (!tests.side) return mid;
    const double w = (hi - lo) / 2;
    lo -= w;
    hi += w;
    double fLo = tests.side(at(lo));
    if (!(fLo * tests.side(at(hi)) < 0.0)) return mid;
    for (int i = 0; i < 100; ++i) {
        const double m = (lo + hi) / 2;
        if (m <= lo || m >= hi) break;
        const double fm = tests.side(at(m));
        if (fm == 0.0) return m;
        if ((fLo < 0.0) == (fm < 0.0)) {
            lo = m;
            fLo = fm;
        } else {
            hi = m;
        }
    }
    return (lo + hi) / 2;
}

bool together(double from, double to, const ContactTests& tests, const Tolerances& tol, double between)
{
    return tests.pointAt(from).distanceTo(tests.pointAt(to)) <= tol.stretch &&
           tests.gap(tests.pointAt(between)) <= tol.onBoth;
}

}  // namespace

std::vector<double> contacts(std::vector<Find> finds, const ContactTests& tests, const Tolerances& tol)
{
    std::sort(finds.begin(), finds.end(), [](const Find& a, const Find& b) { return a.u0 < b.u0; });
    std::vector<Group> groups;
    for (const Find& f : finds) {
        if (!groups.empty() && together(groups.back().hi, f.u0, tests, tol, (groups.back().hi + f.u0) / 2)) {
            groups.back().hi = std::max(groups.back().hi, f.u1);
            continue;
        }
        groups.push_back({f.u0, f.u1});
    }
    const double period = tests.period;
    auto inRange = [&](double u) { return u < tests.start ? u + period : u; };
    if (period > 0.0 && groups.size() > 1 && together(groups.back().hi, groups.front().lo, tests, tol, tests.start)) {
        groups.front().lo = groups.back().lo - period;
        groups.pop_back();
    }
    std::vector<double> out;
    for (const Group& g : groups) out.push_back(g.lo == g.hi ? g.lo : inRange(pinned(g.lo, g.hi, tests, inRange)));
    return out;
}

}  // namespace zrx::geom::crossing
