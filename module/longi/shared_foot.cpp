#include "longi/shared_foot.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

struct Cell {
    double x, y, z;
    bool operator==(const Cell& o) const { return x == o.x && y == o.y && z == o.z; }
};

struct CellHash {
    size_t operator()(const Cell& c) const
    {
        const std::hash<double> h;
        return h(c.x) ^ (h(c.y) * 31u) ^ (h(c.z) * 961u);
    }
};

// The cells along one axis that can hold a point within the tolerance of v: its own, and
// the one before or after when v lies that near the side. The slack takes in the rounding
// of the division; a cell looked at needlessly costs only the look.
void reach(double v, double size, double tol, double home, int& from, int& to)
{
    constexpr double kSlack = 1e-3;
    from = (v - tol) / size < home + kSlack ? -1 : 0;
    to = (v + tol) / size > home + 1.0 - kSlack ? 1 : 0;
}

}  // namespace

bool TrevanCom_HasSharedFoot(const std::vector<ZcGePoint3d>& feet)
{
    const ZcGeTol& tol = ZcGeContext::gTol;
    // A cell of a millimetre or more keeps cell numbers exact in doubles for any hull.
    const double size = std::max(tol.equalPoint(), 1e-3);
    std::unordered_map<Cell, std::vector<size_t>, CellHash> grid;
    grid.reserve(feet.size());
    for (size_t i = 0; i < feet.size(); ++i) {
        const ZcGePoint3d& p = feet[i];
        const Cell home{std::floor(p.x / size), std::floor(p.y / size), std::floor(p.z / size)};
        int x0 = 0, x1 = 0, y0 = 0, y1 = 0, z0 = 0, z1 = 0;
        reach(p.x, size, tol.equalPoint(), home.x, x0, x1);
        reach(p.y, size, tol.equalPoint(), home.y, y0, y1);
        reach(p.z, size, tol.equalPoint(), home.z, z0, z1);
        for (int dx = x0; dx <= x1; ++dx) {
            for (int dy = y0; dy <= y1; ++dy) {
                for (int dz = z0; dz <= z1; ++dz) {
                    auto found = grid.find(Cell{home.x + dx, home.y + dy, home.z + dz});
                    if (found == grid.end()) continue;
                    for (size_t j : found->second) {
                        if (feet[j].isEqualTo(p, tol)) return true;
                    }
                }
            }
        }
        grid[home].push_back(i);
    }
    return false;
}
