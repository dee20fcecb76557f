#include "cross/detail_partner_lines.h"

#include <cmath>
#include <vector>

#include "core/geom_extents.h"
#include "core/line_geometry.h"
#include "core/model_space_append.h"

namespace {

const double kSamePoint = 0.01;

bool appendLine(const ZcGePoint3d& a, const ZcGePoint3d& b, ZcDbObjectIdArray& ids)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    auto* pLine = new ZcDbLine(a, b);
    pLine->setDatabaseDefaults(pDb);
    ZcDbObjectId id;
    if (!TrevanCom_AppendToModelSpace(pLine, id, pDb)) {
        delete pLine;
        return false;
    }
    ids.append(id);
    return true;
}

// The heights, below the section's top, of the partner's lines seen from the side.
std::vector<double> edgeDepths(const CStiffData& partner)
{
    const double w = partner.m_rWebWidth, f = partner.m_rFaceThck;
    std::vector<double> depths = {0.0, w};
    if (partner.m_strFType != "LONG_F") depths.push_back(w - f);
    if (partner.m_strFType == "LONG_I" || partner.m_strFType == "LONG_H") depths.push_back(f);
    return depths;
}

}  // namespace

bool TrevanCom_CrossDrawPartnerLines(const ZcArray<CStiffData>& records, const ZcGePoint3dArray& partnerPts,
                                     const ZcGePoint3d& topPt, ZcDbObjectId boundaryId,
                                     const ZcDbObjectIdArray& figureIds, ZcDbObjectIdArray& lines,
                                     ZcDbObjectIdArray& centreLines)
{
    if (records.isEmpty()) return false;
    ZcGePoint3d boxMax, boxMin, figMax, figMin;
    ZcDbObjectIdArray boundary;
    boundary.append(boundaryId);
    if (!TrevanComARX_GetGeomExtents(boundary, boxMax, boxMin)) return false;
    // Without a figure the partners start at the through member's mould line.
    if (!TrevanComARX_GetGeomExtents(figureIds, figMax, figMin)) figMax = figMin = topPt;

    const CStiffData& through = records[0];
    const bool startLower = through.m_ptStart.y <= through.m_ptEnd.y;
    const ZcGePoint3d a = startLower ? through.m_ptStart : through.m_ptEnd;
    const ZcGePoint3d b = startLower ? through.m_ptEnd : through.m_ptStart;
    for (int k = 1; k < records.length(); ++k) {
        const CStiffData& partner = records[k];
        if (2 * k - 1 >= partnerPts.length()) break;
        bool reaches[2] = {false, false};  // right of the through member, left of it
        for (int i : {2 * k - 2, 2 * k - 1}) {
            // A partner ending on the through member reaches neither side there.
            const ZcGePoint3d& q = partnerPts[i];
            if (TrevanComARX_GetLineClosestPoint2d(q, a, b, 1).distanceTo(q) < kSamePoint) continue;
            reaches[TrevanComARX_GetLineLR(q, a, b)] = true;
        }
        for (int side = 0; side < 2; ++side) {
            if (!reaches[side]) continue;
            const double from = side == 0 ? figMax.x : figMin.x;
            const double to = side == 0 ? boxMax.x : boxMin.x;
            if (std::fabs(to - from) < kSamePoint) continue;
            for (double depth : edgeDepths(partner)) {
                const double y = topPt.y - depth;
                if (!appendLine({from, y, 0}, {to, y, 0}, lines)) return false;
            }
        }
        ZcGePoint3d cs, ce;
        partner.getWebCenterPt(cs, ce);
        if (cs.distanceTo(ce) >= kSamePoint && !appendLine(cs, ce, centreLines)) return false;
    }
    return true;
}
