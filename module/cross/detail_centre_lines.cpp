#include "cross/detail_centre_lines.h"

#include "core/geom_extents.h"

namespace {

const double kOverrun = 150;

// Restyles the line and, when it crosses the rectangle twice, stretches it over it: along
// Y for the reference line, along X for a partner's.
bool stretch(ZcDbObjectId lineId, const ZcDbPolyline& rect, bool alongY)
{
    ZcDbObjectPointer<ZcDbLine> pLine(lineId, ZcDb::kForWrite);
    if (pLine.openStatus() != Zcad::eOk) return false;
    pLine->setColorIndex(3);
    pLine->setLinetype("CENTER");
    ZcGePoint3dArray points;
    pLine->intersectWith(&rect, ZcDb::kExtendThis, points);
    if (points.length() != 2) return true;
    ZcGePoint3d lo = points[0], hi = points[1];
    if (alongY ? lo.y > hi.y : lo.x > hi.x) std::swap(lo, hi);
    const ZcGeVector3d step = alongY ? ZcGeVector3d(0, kOverrun, 0) : ZcGeVector3d(kOverrun, 0, 0);
    pLine->setStartPoint(lo - step);
    pLine->setEndPoint(hi + step);
    return true;
}

}  // namespace

bool TrevanCom_CrossDrawCentreLines(const ZcDbObjectIdArray& figureIds, const ZcDbObjectIdArray& centreLines,
                                    ZcDbObjectId boundaryId, ZcDbObjectId refLineId)
{
    ZcDbObjectIdArray measured = figureIds;
    measured.append(boundaryId);
    ZcGePoint3d maxPt, minPt;
    if (!TrevanComARX_GetGeomExtents(measured, maxPt, minPt)) return false;
    ZcDbPolyline rect(4);
    const ZcGePoint2d corners[] = {{minPt.x, minPt.y}, {maxPt.x, minPt.y}, {maxPt.x, maxPt.y}, {minPt.x, maxPt.y}};
    for (unsigned i = 0; i < 4; ++i) rect.addVertexAt(i, corners[i]);
    rect.setClosed(true);
    if (!stretch(refLineId, rect, true)) return false;
    for (ZcDbObjectId id : centreLines) {
        if (!stretch(id, rect, false)) return false;
    }
    return true;
}
