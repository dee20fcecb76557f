#include "core/line_geometry.h"

ZcGePoint3d TrevanComARX_GetLineClosestPoint2d(const ZcGePoint3d& p, const ZcGePoint3d& a, const ZcGePoint3d& b,
                                               int nInfinite)
{
    // The host's own curves answer, so the result matches what entities give.
    ZcGePoint3d onLine = a;
    if (nInfinite != 0) {
        ZcDbXline xline;
        xline.setBasePoint(a);
        if (xline.setUnitDir(b - a) != Zcad::eOk) return a;
        xline.getClosestPointTo(p, onLine, false);
    } else {
        ZcDbLine line(a, b);
        line.getClosestPointTo(p, onLine, false);
    }
    return onLine;
}

int TrevanComARX_GetLineLR(const ZcGePoint3d& p, const ZcGePoint3d& a, const ZcGePoint3d& b)
{
    ZcGePoint3d c = TrevanComARX_GetLineClosestPoint2d(p, a, b, 1);
    ZcGeVector3d w = c - p;
    ZcGeVector3d d = b - a;
    return d.y * w.x - d.x * w.y > 0 ? 1 : 0;
}
