#include "cross/support_bracket_mapping.h"

#include <cmath>
#include <vector>

#include "core/line_geometry.h"
#include "stiffener/stiff_side.h"

namespace {

// The crossing of the endless lines p + t·d and q + s·e in the XY plane; false when parallel.
bool crossing(const ZcGePoint3d& p, const ZcGeVector3d& d, const ZcGePoint3d& q, const ZcGeVector3d& e,
              ZcGePoint3d& at)
{
    const double denom = d.x * e.y - d.y * e.x;
    if (std::fabs(denom) < 1e-12 * d.length() * e.length()) return false;
    const ZcGeVector3d w = q - p;
    const double t = (w.x * e.y - w.y * e.x) / denom;
    at = p + d * t;
    return true;
}

std::vector<ZcGePoint3d> outlinePoints(const ZcDbEntity* pPlate)
{
    std::vector<ZcGePoint3d> points;
    if (const ZcDbPolyline* pLine = ZcDbPolyline::cast(pPlate)) {
        for (unsigned int i = 0; i < pLine->numVerts(); ++i) {
            ZcGePoint3d pt;
            if (pLine->getPointAt(i, pt) == Zcad::eOk) points.push_back(pt);
        }
        return points;
    }
    ZcDbExtents box;
    if (pPlate->getGeomExtents(box) != Zcad::eOk) return points;
    const ZcGePoint3d lo = box.minPoint(), hi = box.maxPoint();
    points = {lo, ZcGePoint3d(hi.x, lo.y, 0), hi, ZcGePoint3d(lo.x, hi.y, 0)};
    return points;
}

}  // namespace

bool TrevanCom_BracketFrame(const CStiffData& through, const CStiffData& partner, const char* side,
                            CBracketFrame& frame)
{
    ZcGePoint3d c1, c2, w1, w2;
    through.getWebCenterPt(c1, c2);
    const bool right = CString(side) == "R";
    if (right) partner.getWebMoldPt(w1, w2);
    else partner.getWebItanigePt(w1, w2);
    if (c1.isEqualTo(c2) || w1.isEqualTo(w2) || !crossing(c1, c2 - c1, w1, w2 - w1, frame.m_origin)) {
        zcutPrintf("\n通し部材と対象部材との交点取得に失敗しました.");
        return false;
    }
    const ZcGeVector3d itanige = partner.getStiffItanigeVec();
    frame.m_escape = right ? itanige : -itanige;
    // The partner's direction, or its reverse, whichever leads to the side it lies on.
    ZcGeVector3d along = (w2 - w1).normal();
    const int partnerSide = TrevanComARX_GetStiffLR(through.m_ptStart, through.m_ptEnd, partner);
    if (TrevanComARX_GetLineLR(frame.m_origin + along, c1, c2) != partnerSide) along = -along;
    frame.m_along = along;
    return true;
}

bool TrevanCom_PlateReach(const ZcDbEntity* pPlate, const ZcGePoint3d& c1, const ZcGePoint3d& c2, double& from,
                          double& to, int& side)
{
    const std::vector<ZcGePoint3d> points = outlinePoints(pPlate);
    if (points.empty() || c1.isEqualTo(c2)) return false;
    ZcGeVector3d mid(0, 0, 0);
    for (const ZcGePoint3d& p : points) mid += p.asVector();
    side = TrevanComARX_GetLineLR(ZcGePoint3d::kOrigin + mid / static_cast<double>(points.size()), c1, c2);
    const ZcGeVector3d d = (c2 - c1).normal();
    // Signed distance, positive on the plate's side.
    const double sign = side == 1 ? 1.0 : -1.0;
    from = to = 0;
    for (size_t i = 0; i < points.size(); ++i) {
        const ZcGeVector3d w = points[i] - c1;
        const double dist = sign * (d.x * w.y - d.y * w.x);
        if (i == 0 || dist < from) from = dist;
        if (i == 0 || dist > to) to = dist;
    }
    return true;
}

void TrevanCom_DetailWebCentre(const CStiffData& through, const ZcGePoint3d& refStart, const ZcGePoint3d& refEnd,
                               ZcGePoint3d& c1, ZcGePoint3d& c2)
{
    CStiffData placed(through);
    placed.m_ptStart = refStart;
    placed.m_ptEnd = refEnd;
    placed.getWebCenterPt(c1, c2);
}

ZcGePoint3dArray TrevanCom_BracketCorners(const CBracketFrame& frame, double from, double to, double thick)
{
    ZcGePoint3dArray corners;
    const double local[4][2] = {{from, 0}, {to, 0}, {to, -thick}, {from, -thick}};
    for (const auto& xy : local) corners.append(frame.m_origin + frame.m_along * xy[0] + frame.m_escape * xy[1]);
    return corners;
}
