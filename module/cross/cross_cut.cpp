#include "cross/cross_cut.h"


#include "core/layer_status.h"
#include "core/line_geometry.h"

namespace {

struct Segment {
    ZcGePoint3d start, end;
};

bool readCurve(ZcDbObjectId id, Segment& seg)
{
    ZcDbObjectPointer<ZcDbCurve> curve(id, ZcDb::kForRead);
    if (curve.openStatus() != Zcad::eOk) return false;
    return curve->getStartPoint(seg.start) == Zcad::eOk && curve->getEndPoint(seg.end) == Zcad::eOk;
}

bool crossing(const Segment& a, const Segment& b, ZcGePoint3d& pt)
{
    ZcDbLine la(a.start, a.end), lb(b.start, b.end);
    ZcGePoint3dArray points;
    la.intersectWith(&lb, ZcDb::kExtendBoth, points);
    if (points.isEmpty()) return false;
    pt = points[0];
    return true;
}

// The two web lines must enclose an area: the outline runs along the first line and back
// along the second, starting with the second's end nearer the first's end.
bool enclosesArea(const Segment& w1, const Segment& w2)
{
    const bool reversed = w2.start.distanceTo(w1.end) < w2.end.distanceTo(w1.end);
    const ZcGePoint3d c = reversed ? w2.start : w2.end;
    const ZcGePoint3d d = reversed ? w2.end : w2.start;
    ZcDbLine edges[] = {{w1.start, w1.end}, {w1.end, c}, {c, d}, {d, w1.start}};
    ZcDbVoidPtrArray curves, regions;
    for (ZcDbLine& e : edges) curves.append(&e);
    const bool one = ZcDbRegion::createFromCurves(curves, regions) == Zcad::eOk && regions.length() == 1;
    for (void* r : regions) delete static_cast<ZcDbRegion*>(r);
    return one;
}

// Midway between the two web lines, along the first: each end of the first line is carried
// square across onto the second.
bool centreLine(const Segment& w1, const Segment& w2, Segment& centre)
{
    const ZcGeVector3d dir = w1.end - w1.start;
    if (dir.length() <= 0) return false;
    const ZcGeVector3d across(-dir.y, dir.x, 0);
    ZcGePoint3d onStart, onEnd;
    if (!crossing({w1.start, w1.start + across}, w2, onStart) || !crossing({w1.end, w1.end + across}, w2, onEnd))
        return false;
    centre.start = w1.start + (onStart - w1.start) / 2;
    centre.end = w1.end + (onEnd - w1.end) / 2;
    return true;
}

// Only straight web lines take a new end; the cut point is given back whatever they are.
void moveEnd(ZcDbObjectId id, bool atStart, const ZcGePoint3d& pt)
{
    CLayerEditGuard guard(id);
    ZcDbObjectPointer<ZcDbLine> line(id, ZcDb::kForWrite);
    if (line.openStatus() != Zcad::eOk) return;
    if (atStart)
        line->setStartPoint(pt);
    else
        line->setEndPoint(pt);
}

}  // namespace

bool TrevanCom_CrossCutWebLines(ZcDbObjectId a1, ZcDbObjectId a2, ZcDbObjectId b1, ZcDbObjectId b2, ZcGePoint3d& pt1,
                                ZcGePoint3d& pt2)
{
    Segment wa[2], wb[2];
    if (!readCurve(a1, wa[0]) || !readCurve(a2, wa[1]) || !readCurve(b1, wb[0]) || !readCurve(b2, wb[1])) return false;
    if (!enclosesArea(wa[0], wa[1]) || !enclosesArea(wb[0], wb[1])) {
        zcutPrintf("\nスチフナが短すぎて処理できません.");
        return false;
    }
    Segment ca, cb;
    if (!centreLine(wa[0], wa[1], ca)) {
        zcutPrintf("\nスチフナAの中心線が取得できません.");
        return false;
    }
    if (!centreLine(wb[0], wb[1], cb)) {
        zcutPrintf("\nスチフナBの中心線が取得できません.");
        return false;
    }
    ZcGePoint3d meet;
    if (!crossing(ca, cb, meet)) {
        zcutPrintf("\nスチフナAとBが平行です.");
        return false;
    }
    // A's end at the crossing is the nearer one; an end within 0.001 of it counts as there.
    const double toStart = ca.start.distanceTo(meet), toEnd = ca.end.distanceTo(meet);
    const bool cutStart = toEnd > 0.001 && toStart < toEnd;
    const int bodySide = TrevanComARX_GetLineLR(cutStart ? ca.end : ca.start, cb.start, cb.end);
    const ZcGePoint3d mid0 = wb[0].start + (wb[0].end - wb[0].start) / 2;
    const Segment& facing = TrevanComARX_GetLineLR(mid0, cb.start, cb.end) == bodySide ? wb[0] : wb[1];
    ZcGePoint3d cuts[2];
    for (int i = 0; i < 2; ++i) {
        if (!crossing(wa[i], facing, cuts[i])) {
            zcutPrintf("\n通し部材と対象部材との交点取得に失敗しました.");
            return false;
        }
    }
    const ZcDbObjectId aIds[2] = {a1, a2};
    for (int i = 0; i < 2; ++i) {
        // Each line on its own: the second web line may have been drawn the other way round.
        const bool atStart = wa[i].start.distanceTo(meet) < wa[i].end.distanceTo(meet);
        moveEnd(aIds[i], atStart, cuts[i]);
    }
    pt1 = cuts[0];
    pt2 = cuts[1];
    return true;
}

void TrevanCom_StiffCrossObjtrim_Sub(ZcDbObjectId a1, ZcDbObjectId a2, ZcDbObjectId b1, ZcDbObjectId b2, ZcGePoint3d& pt1,
                                     ZcGePoint3d& pt2)
{
    TrevanCom_CrossCutWebLines(a1, a2, b1, b2, pt1, pt2);
}
