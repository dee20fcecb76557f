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
        for (double dx = -1; dx <= 1; ++dx) {
            for (double dy = -1; dy <= 1; ++dy) {
                for (double dz = -1; dz <= 1; ++dz) {
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
