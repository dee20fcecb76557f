#include "drafting/line_crossings.h"

#include <algorithm>

#include "core/lisp_args.h"
#include "core/selection_ids.h"

namespace {

// The candidates where the line meets the curve: the intersections, or the corners of the
// line's extents when the host cannot intersect the two at all.
ZcGePoint3dArray candidates(const ZcDbLine& line, const ZcDbCurve& curve)
{
    ZcGePoint3dArray points;
    if (line.intersectWith(&curve, ZcDb::kExtendThis, points) == Zcad::eOk) return points;
    points.setLogicalLength(0);
    ZcDbExtents ext;
    if (line.getGeomExtents(ext) == Zcad::eOk) {
        points.append(ext.maxPoint());
        points.append(ext.minPoint());
    }
    return points;
}

}  // namespace

std::vector<TrevanLineCrossing> TrevanCom_LineCrossings(const ZcGePoint3d& from, const ZcGePoint3d& to,
                                                        const ZcDbObjectIdArray& curves)
{
    const ZcDbLine line(from, to);
    std::vector<TrevanLineCrossing> out;
    for (int i = 0; i < curves.length(); ++i) {
        const ZcDbObjectId id = curves[i];
        ZcDbObjectPointer<ZcDbCurve> curve(id, ZcDb::kForRead);
        if (curve.openStatus() != Zcad::eOk) {
            zcutPrintf("\n引数エラー");
            continue;
        }
        ZcGePoint3dArray points = candidates(line, *curve.object());
        TrevanLineCrossing crossing{id, ZcGePoint3d(), !points.isEmpty()};
        for (int k = 0; k < points.length(); ++k)
            if (k == 0 || points[k].distanceTo(from) < crossing.m_pt.distanceTo(from)) crossing.m_pt = points[k];
        out.push_back(crossing);
    }
    std::stable_sort(out.begin(), out.end(), [&](const TrevanLineCrossing& a, const TrevanLineCrossing& b) {
        if (a.m_bFound != b.m_bFound) return a.m_bFound;
        return a.m_bFound && a.m_pt.distanceTo(from) < b.m_pt.distanceTo(from);
    });
    return out;
}

int TrevanComARX_sss_v2_func02()
{
    TrevanLispArgs args;
    ZcGePoint3d from, to;
    ads_name ss;
    if (!args.point(from) || !args.point(to) || !args.pickSet(ss)) return args.fail();
    const ZcDbObjectIdArray ids = TrevanSelectionIds(ss);
    resbuf* head = nullptr;
    resbuf** tail = &head;
    for (const TrevanLineCrossing& c : TrevanCom_LineCrossings(from, to, ids)) {
        if (!c.m_bFound) continue;
        *tail = zcutNewRb(RT3DPOINT);
        (*tail)->resval.rpoint[0] = c.m_pt.x;
        (*tail)->resval.rpoint[1] = c.m_pt.y;
        (*tail)->resval.rpoint[2] = c.m_pt.z;
        tail = &(*tail)->rbnext;
    }
    return TrevanLispArgs::retList(head);
}
