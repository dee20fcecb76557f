// Axis-aligned box in world coordinates, grown point by point.
#pragma once

#include "zrx/ge_point3d.h"

#include <algorithm>

namespace zrx::geom {

struct Box {
    ZcGePoint3d min;
    ZcGePoint3d max;
    bool empty = true;

    void add(const ZcGePoint3d& p)
    {
        if (empty) {
            min = max = p;
            empty = false;
            return;
        }
        for (unsigned int i = 0; i < 3; ++i) {
            min[i] = std::min(min[i], p[i]);
            max[i] = std::max(max[i], p[i]);
        }
    }
    void add(const Box& other)
    {
        if (other.empty) return;
        add(other.min);
        add(other.max);
    }
};

}  // namespace zrx::geom
