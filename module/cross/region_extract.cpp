#include "cross/region_extract.h"

#include <memory>

#include "cross/region_geometry.h"

namespace {

bool near(const ZcGePoint3d& a, const ZcGePoint3d& b) { return a.distanceTo(b) <= TREVANCOM_REGION_TOL; }

// A polyline that starts at a crossing is closed up and turned to start at its first vertex
// on a crossing, so that the cut pieces run through its old start. Works on the copy.
void startAtCrossing(ZcDbPolyline* pPoly, const ZcGePoint3dArray& crossings)
{
    const unsigned n = pPoly->numVerts();
    if (n < 2) return;
    ZcGePoint3d first, last;
    pPoly->getPointAt(0, first);
    pPoly->getPointAt(n - 1, last);
    if (near(first, last)) {
        pPoly->removeVertexAt(n - 1);
        pPoly->setClosed(true);
    }
    const unsigned count = pPoly->numVerts();
    for (unsigned i = 0; i < count; ++i) {
        ZcGePoint3d p;
        pPoly->getPointAt(i, p);
        bool onCrossing = false;
        for (const ZcGePoint3d& c : crossings) onCrossing = onCrossing || near(p, c);
        if (!onCrossing) continue;
        struct Vertex {
            ZcGePoint2d point;
            double bulge, startWidth, endWidth;
        };
        std::vector<Vertex> vertices(count);
        for (unsigned k = 0; k < count; ++k) {
            Vertex& v = vertices[k];
            pPoly->getPointAt(k, v.point);
            pPoly->getBulgeAt(k, v.bulge);
            pPoly->getWidthsAt(k, v.startWidth, v.endWidth);
        }
        for (unsigned k = 0; k < count; ++k) {
            const Vertex& v = vertices[(i + k) % count];
            pPoly->setPointAt(k, v.point);
            pPoly->setBulgeAt(k, v.bulge);
            pPoly->setWidthsAt(k, v.startWidth, v.endWidth);
        }
        return;
    }
}

// The crossings in the order the curve meets them; a closed curve that starts at a
// crossing gets that crossing again at its end, so the piece through its start stays whole.
ZcGePoint3dArray orderAlong(const ZcDbCurve* pCurve, ZcGePoint3dArray points)
{
    std::vector<double> params;
    for (const ZcGePoint3d& p : points) {
        double t = 0;
        if (pCurve->getParamAtPoint(p, t) != Zcad::eOk) {
            ZcGePoint3d on;
            pCurve->getClosestPointTo(p, on);
            pCurve->getParamAtPoint(on, t);
        }
        params.push_back(t);
    }
    ZcGePoint3dArray ordered;
    while (!points.isEmpty()) {
        int best = 0;
        for (int i = 1; i < points.length(); ++i) {
            if (params[static_cast<size_t>(i)] < params[static_cast<size_t>(best)]) best = i;
        }
        ordered.append(points[best]);
        points.removeAt(best);
        params.erase(params.begin() + best);
    }
    ZcGePoint3d start, end;
    pCurve->getStartPoint(start);
    pCurve->getEndPoint(end);
    if (!ordered.isEmpty() && near(ordered[0], start) && near(ordered[0], end)) ordered.append(ordered[0]);
    return ordered;
}

}  // namespace

bool TrevanCom_CutAtCrossRegion(const ZcDbPolyline* pRegion, const ZcGePoint3dArray& polygon,
                                const ZcDbExtents& regionBox, const ZcDbEntity* pEnt, ZcDbVoidPtrArray& inside,
                                ZcDbVoidPtrArray& outside)
{
    if (ZcDbCurve::cast(pEnt) == nullptr) return false;
    ZcDbExtents box;
    if (pEnt->getGeomExtents(box) != Zcad::eOk) return false;
    if (!TrevanCom_BoxOverlap(box, regionBox, TREVANCOM_REGION_TOL)) return false;
    ZcGePoint3dArray crossings;
    if (pRegion->intersectWith(pEnt, ZcDb::kOnBothOperands, crossings) != Zcad::eOk || crossings.isEmpty())
        return false;

    std::unique_ptr<ZcDbPolyline> copy;
    const ZcDbCurve* pCurve = ZcDbCurve::cast(pEnt);
    if (const ZcDbPolyline* pPoly = ZcDbPolyline::cast(pEnt)) {
        ZcGePoint3d first;
        pPoly->getPointAt(0, first);
        bool startsOnCrossing = false;
        for (const ZcGePoint3d& c : crossings) startsOnCrossing = startsOnCrossing || near(first, c);
        if (startsOnCrossing) {
            copy.reset(static_cast<ZcDbPolyline*>(pPoly->clone()));
            startAtCrossing(copy.get(), crossings);
            pCurve = copy.get();
        }
    }

    ZcDbVoidPtrArray pieces;
    if (pCurve->getSplitCurves(orderAlong(pCurve, crossings), pieces) != Zcad::eOk) return false;
    for (void* p : pieces) {
        auto* pPiece = static_cast<ZcDbCurve*>(p);
        const ZcGePoint3d mid = TrevanCom_CurveMidPoint(pPiece);
        (TrevanCom_PointInPolygon(polygon, mid, TREVANCOM_REGION_TOL) == 2 ? inside : outside).append(pPiece);
    }
    return !pieces.isEmpty();
}

bool TrevanCom_ExtractCrossRegion(const ZcGePoint3d& corner1, const ZcGePoint3d& corner2,
                                  const ZcDbObjectIdArray& candidates, ZcDbObjectIdArray& taken,
                                  ZcDbVoidPtrArray& inside, ZcDbVoidPtrArray& outside)
{
    ZcDbPolyline region(4);
    const ZcGePoint2d corners[] = {{corner1.x, corner1.y}, {corner1.x, corner2.y}, {corner2.x, corner2.y},
                                   {corner2.x, corner1.y}};
    for (unsigned i = 0; i < 4; ++i) region.addVertexAt(i, corners[i], 0.0, -1.0, -1.0);
    region.setClosed(true);
    ZcDbExtents box;
    region.getGeomExtents(box);
    ZcGePoint3dArray polygon;
    for (unsigned i = 0; i < 4; ++i) {
        ZcGePoint3d p;
        region.getPointAt(i, p);
        polygon.append(p);
    }
    for (ZcDbObjectId id : candidates) {
        ZcDbObjectPointer<ZcDbEntity> pEnt(id, ZcDb::kForRead);
        if (pEnt.openStatus() != Zcad::eOk) continue;
        if (TrevanCom_CutAtCrossRegion(&region, polygon, box, pEnt.object(), inside, outside)) taken.append(id);
    }
    return true;
}
