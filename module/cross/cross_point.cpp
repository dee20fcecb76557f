#include "cross/cross_point.h"

#include <cmath>

#include "records/stiff_exports.h"

bool TrevanComARX_GetComStiffCrossPoint(const CStiffData& through, const ZcArray<CStiffData>& partners, ZcGePoint3d& pt)
{
    if (partners.isEmpty()) {
        zcutPrintf("\n対象部材が選択されていません.");
        return false;
    }
    if (partners.length() > 2) {
        zcutPrintf("\n対象部材が2つ以上選択されています.");
        return false;
    }
    ZcDbLine throughLine(through.m_ptStart, through.m_ptEnd);
    for (const CStiffData& partner : partners) {
        ZcDbLine partnerLine(partner.m_ptStart, partner.m_ptEnd);
        ZcGePoint3dArray points;
        throughLine.intersectWith(&partnerLine, ZcDb::kExtendBoth, points);
        if (points.isEmpty()) {
            zcutPrintf("\n通し部材と対象部材との交点取得に失敗しました.");
            return false;
        }
        pt = points[0];
    }
    return true;
}

bool TrevanComARX_GetComStiffCrossPoint(ZcDbObjectId throughId, const ZcDbObjectIdArray& partnerIds, ZcGePoint3d& pt)
{
    CStiffData through;
    if (!TrevanComARX_GetStiffdata(throughId, through)) return false;
    ZcArray<CStiffData> partners;
    for (ZcDbObjectId id : partnerIds) {
        CStiffData partner;
        if (TrevanComARX_GetStiffdata(id, partner)) partners.append(partner);
    }
    return TrevanComARX_GetComStiffCrossPoint(through, partners, pt);
}

bool TrevanComARX_GetComStiffCrossRotation(ZcDbObjectId throughId, const ZcDbObjectIdArray& partnerIds, ZcGeMatrix3d& mat)
{
    CStiffData through;
    if (!TrevanComARX_GetStiffdata(throughId, through)) return false;
    ZcGePoint3d center;
    if (!TrevanComARX_GetComStiffCrossPoint(throughId, partnerIds, center)) return false;
    double angle = std::atan2(through.m_ptEnd.y - through.m_ptStart.y, through.m_ptEnd.x - through.m_ptStart.x);
    if (angle < 0) angle += 2 * 3.14159265358979323846;
    mat = ZcGeMatrix3d::rotation(angle, ZcGeVector3d::kZAxis, center);
    return true;
}
