#include "cross/cross_region_pick.h"

#include <cmath>

#include "core/model_space_append.h"
#include "core/ucs_points.h"
#include "cross/trim_session.h"

namespace {

const double kSamePoint = 0.001;

void erase(const ZcDbObjectIdArray& ids)
{
    for (ZcDbObjectId id : ids) {
        ZcDbObjectPointer<ZcDbEntity> pEnt(id, ZcDb::kForWrite);
        if (pEnt.openStatus() == Zcad::eOk) pEnt->erase();
    }
}

bool append(ZcDbEntity* pEnt, ZcDbObjectIdArray& ids)
{
    ZcDbObjectId id;
    if (!TrevanCom_AppendToModelSpace(pEnt, id, zcdbHostApplicationServices()->workingDatabase())) {
        delete pEnt;
        return false;
    }
    ids.append(id);
    return true;
}

bool crossesEdge(ZcDbObjectId rectId, ZcDbObjectId lineId)
{
    ZcDbObjectPointer<ZcDbPolyline> pRect(rectId, ZcDb::kForRead);
    ZcDbObjectPointer<ZcDbLine> pLine(lineId, ZcDb::kForRead);
    if (pRect.openStatus() != Zcad::eOk || pLine.openStatus() != Zcad::eOk) return false;
    ZcGePoint3dArray pts;
    pRect->intersectWith(pLine.object(), ZcDb::kOnBothOperands, pts);
    return !pts.isEmpty();
}

enum class Corners { kGiven, kCancelled, kAgain };

Corners askCorners(ZcGePoint3d& c1, ZcGePoint3d& c2)
{
    ads_point p1, p2;
    for (;;) {
        const int rc = zcedGetPoint(nullptr, "\n交差部の1点目を指示：", p1);
        if (rc == RTNONE) continue;
        if (rc == RTCAN) return Corners::kCancelled;
        // Without an answer left no prompt can succeed any more.
        if (rc != RTNORM) return Corners::kCancelled;
        break;
    }
    for (;;) {
        const int rc = zcedGetCorner(p1, "\n交差部の2点目を指示：", p2);
        if (rc == RTCAN) return Corners::kAgain;
        if (rc == RTNORM) break;
        if (rc != RTNONE) return Corners::kCancelled;
    }
    c1 = TrevanComTransUtoW(ZcGePoint3d(p1[X], p1[Y], p1[Z]));
    c2 = TrevanComTransUtoW(ZcGePoint3d(p2[X], p2[Y], p2[Z]));
    return Corners::kGiven;
}

}  // namespace

bool TrevanCom_CrossRegionHoldsMembers(const ZcArray<CStiffData>& records, const ZcGePoint3d& corner1,
                                       const ZcGePoint3d& corner2)
{
    ZcDbObjectIdArray temps;
    auto* pRect = new ZcDbPolyline;
    pRect->addVertexAt(0, ZcGePoint2d(corner1.x, corner1.y));
    pRect->addVertexAt(1, ZcGePoint2d(corner2.x, corner1.y));
    pRect->addVertexAt(2, ZcGePoint2d(corner2.x, corner2.y));
    pRect->addVertexAt(3, ZcGePoint2d(corner1.x, corner2.y));
    pRect->setClosed(true);
    bool holds = append(pRect, temps);
    for (int i = 0; holds && i < records.length(); ++i) {
        holds = append(new ZcDbLine(records[i].m_ptStart, records[i].m_ptEnd), temps) &&
                crossesEdge(temps[0], temps.last());
    }
    erase(temps);
    return holds;
}

bool TrevanCom_CrossPickRegion(const ZcArray<CStiffData>& records, ZcGePoint3d& corner1, ZcGePoint3d& corner2)
{
    CSysVarHold osmode("OSMODE", 0);
    for (;;) {
        const Corners corners = askCorners(corner1, corner2);
        if (corners == Corners::kCancelled) return false;
        if (corners == Corners::kAgain) continue;
        const double dx = std::fabs(corner1.x - corner2.x), dy = std::fabs(corner1.y - corner2.y);
        if (dx < kSamePoint && dy < kSamePoint && std::fabs(corner1.z - corner2.z) < kSamePoint) {
            zcutPrintf("\n同一点が指定されました。");
            continue;
        }
        if (dx < kSamePoint || dy < kSamePoint) {
            zcutPrintf("\n同一線上の点が指示されました。");
            continue;
        }
        if (!TrevanCom_CrossRegionHoldsMembers(records, corner1, corner2)) {
            zcutPrintf("\n指示した範囲に通し部材と相手部材が含まれていません。");
            continue;
        }
        return true;
    }
}
