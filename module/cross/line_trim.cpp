#include "cross/line_trim.h"

#include <limits>

#include "core/layer_status.h"
#include "cross/member_lines.h"
#include "records/stiff_exports.h"

namespace {

struct Segment {
    ZcGePoint3d start, end;
};

bool readLine(ZcDbObjectId id, Segment& seg)
{
    ZcDbObjectPointer<ZcDbLine> line(id, ZcDb::kForRead);
    if (line.openStatus() != Zcad::eOk) return false;
    seg.start = line->startPoint();
    seg.end = line->endPoint();
    return true;
}

// The end nearer to the point; the end point when both are as near.
bool startIsNearer(const Segment& seg, const ZcGePoint3d& pt) { return seg.start.distanceTo(pt) < seg.end.distanceTo(pt); }

double nearerEndDistance(const Segment& seg, const ZcGePoint3d& pt)
{
    return startIsNearer(seg, pt) ? seg.start.distanceTo(pt) : seg.end.distanceTo(pt);
}

ZcGePoint3dArray crossings(const Segment& a, const Segment& b, ZcDb::Intersect mode)
{
    ZcDbLine la(a.start, a.end), lb(b.start, b.end);
    ZcGePoint3dArray points;
    la.intersectWith(&lb, mode, points);
    return points;
}

// The partner line the through lines run into: the crossing nearest to a through line's end.
bool chooseTarget(const ZcDbObjectIdArray& throughLines, const ZcDbObjectIdArray& partnerLines, Segment& target)
{
    double best = std::numeric_limits<double>::infinity();
    bool found = false;
    for (ZcDbObjectId t : throughLines) {
        Segment ts;
        if (!readLine(t, ts)) continue;
        for (ZcDbObjectId p : partnerLines) {
            Segment ps;
            if (!readLine(p, ps)) continue;
            for (const ZcGePoint3d& x : crossings(ts, ps, ZcDb::kOnBothOperands)) {
                const double d = nearerEndDistance(ts, x);
                if (d <= best) {
                    best = d;
                    target = ps;
                    found = true;
                }
            }
        }
    }
    return found;
}

void trimOnto(ZcDbObjectId lineId, const Segment& target)
{
    Segment seg;
    if (!readLine(lineId, seg)) return;
    const ZcGePoint3dArray points = crossings(seg, target, ZcDb::kExtendBoth);
    if (points.isEmpty()) return;
    CLayerEditGuard guard(lineId);
    ZcDbObjectPointer<ZcDbLine> line(lineId, ZcDb::kForWrite);
    if (line.openStatus() != Zcad::eOk) return;
    if (startIsNearer(seg, points[0]))
        line->setStartPoint(points[0]);
    else
        line->setEndPoint(points[0]);
}

}  // namespace

bool TrevanComARX_LineTrim(ZcDbObjectId throughId, const ZcDbObjectIdArray& partnerIds)
{
    CStiffData through;
    if (!TrevanComARX_GetStiffdata(throughId, through)) return false;
    CString throughLetter;
    if (!TrevanCom_StiffShapeLetter(through, throughLetter)) return true;
    if (TrevanCom_StiffMemberLines(through).isEmpty()) return true;
    for (ZcDbObjectId partnerId : partnerIds) {
        ZcDbObjectIdArray throughLines = TrevanCom_StiffMemberLines(through);
        CStiffData partner;
        CString partnerLetter;
        if (!TrevanComARX_GetStiffdata(partnerId, partner) || !TrevanCom_StiffShapeLetter(partner, partnerLetter))
            continue;
        // A one-sided partner meets only the web of a symmetric member; its face stays whole.
        if (TrevanCom_IsSymmetricShape(throughLetter) && !TrevanCom_IsSymmetricShape(partnerLetter)) {
            while (throughLines.length() > 2) throughLines.removeLast();
        }
        const ZcDbObjectIdArray partnerLines = TrevanCom_StiffMemberLines(partner);
        if (partnerLines.isEmpty()) continue;
        Segment target;
        if (!chooseTarget(throughLines, partnerLines, target)) {
            zcutPrintf("\n通し部材と相手部材の交点がありません。");
            continue;
        }
        for (ZcDbObjectId lineId : throughLines) trimOnto(lineId, target);
    }
    return true;
}
