// Colour indices and extents boxes.
#include <algorithm>

#include "cm_color.h"
#include "db_extents.h"
#include "ge_matrix3d.h"

bool ZcCmColor::setColorIndex(uint16_t index)
{
    if (index > 256) return false;
    m_index = index;
    return true;
}

void ZcDbExtents::set(const ZcGePoint3d& a, const ZcGePoint3d& b)
{
    m_min.set(std::min(a.x, b.x), std::min(a.y, b.y), std::min(a.z, b.z));
    m_max.set(std::max(a.x, b.x), std::max(a.y, b.y), std::max(a.z, b.z));
    m_empty = false;
}

void ZcDbExtents::addPoint(const ZcGePoint3d& p)
{
    if (m_empty) {
        set(p, p);
        return;
    }
    m_min.set(std::min(m_min.x, p.x), std::min(m_min.y, p.y), std::min(m_min.z, p.z));
    m_max.set(std::max(m_max.x, p.x), std::max(m_max.y, p.y), std::max(m_max.z, p.z));
}

void ZcDbExtents::addExt(const ZcDbExtents& other)
{
    if (other.m_empty) return;
    addPoint(other.m_min);
    addPoint(other.m_max);
}

void ZcDbExtents::transformBy(const ZcGeMatrix3d& m)
{
    if (m_empty) return;
    ZcGePoint3d lo = m_min, hi = m_max;
    m_empty = true;
    for (int i = 0; i < 8; ++i) {
        ZcGePoint3d corner((i & 1) ? hi.x : lo.x, (i & 2) ? hi.y : lo.y, (i & 4) ? hi.z : lo.z);
        addPoint(m * corner);
    }
}
