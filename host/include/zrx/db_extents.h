// ZcDbExtents: an axis-aligned box in world coordinates.
#pragma once

#include "ge_point3d.h"

namespace zrxhost {
struct Access;
}  // namespace zrxhost

class ZRX_API ZcDbExtents {
public:
    ZcDbExtents() = default;
    ZcDbExtents(const ZcGePoint3d& a, const ZcGePoint3d& b) { set(a, b); }

    const ZcGePoint3d& minPoint() const { return m_min; }
    const ZcGePoint3d& maxPoint() const { return m_max; }
    void set(const ZcGePoint3d& a, const ZcGePoint3d& b);
    void addPoint(const ZcGePoint3d& p);
    void addExt(const ZcDbExtents& other);
    void transformBy(const ZcGeMatrix3d& m);

private:
    friend struct zrxhost::Access;
    ZcGePoint3d m_min;
    ZcGePoint3d m_max;
    bool m_empty = true;
};
