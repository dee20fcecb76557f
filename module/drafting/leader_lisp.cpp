#include "drafting/leader_lisp.h"

#include <vector>

#include "core/lisp_args.h"

namespace {

// A stub 0.1 long from s along the horizontal, on the side of l; to the right when l lies
// straight above or below s.
ZcGePoint3d stubEnd(const ZcGePoint3d& s, const ZcGePoint3d& l)
{
    const ZcGePoint3d onLevel(l.x, s.y, s.z);
    ZcGeVector3d u(1.0, 0.0, 0.0);
    if (onLevel.distanceTo(s) >= 1e-5) u = (onLevel - s).normal();
    return s + 0.1 * u;
}

void append(resbuf**& tail, resbuf* item)
{
    *tail = item;
    tail = &item->rbnext;
}

void appendPoint(resbuf**& tail, const ZcGePoint3d& p)
{
    ads_point pt = {p.x, p.y, p.z};
    append(tail, zcutBuildList(RT3DPOINT, pt, 0));
}

// Runs LEADER through all points but the last, the stub after them, and the text.
bool drawLeader(const std::vector<ZcGePoint3d>& points, const CString& text)
{
    resbuf* answers = nullptr;
    resbuf** tail = &answers;
    append(tail, zcutBuildList(RTSTR, ".LEADER", 0));
    for (size_t i = 0; i + 1 < points.size(); ++i) appendPoint(tail, points[i]);
    appendPoint(tail, stubEnd(points[points.size() - 2], points.back()));
    append(tail, zcutBuildList(RTSTR, "", RTSTR, text.GetString(), RTSTR, "", 0));
    int rc = zcedCmd(answers);
    zcutRelRb(answers);
    return rc == RTNORM;
}

}  // namespace

int TrevanComARX_MakeLeader()
{
    TrevanLispArgs args(TrevanLispArgs::kSilent);
    CString text;
    if (!args.str(text)) return args.fail();
    if (!args.listBegin()) return TrevanLispArgs::retNil();
    std::vector<ZcGePoint3d> points;
    for (int type = args.peekType(); type != RTNONE && type != RTLE; type = args.peekType()) {
        ZcGePoint3d p;
        if (type == RT3DPOINT && args.point(p))
            points.push_back(p);
        else
            args.skip();
    }
    if (points.size() < 3) return TrevanLispArgs::retNil();
    return TrevanLispArgs::retBool(drawLeader(points, text));
}

int TrevanComARX_MakeLeaderFrom3p()
{
    TrevanLispArgs args;
    std::vector<ZcGePoint3d> points(3);
    if (!args.point(points[0]) || !args.point(points[1]) || !args.point(points[2])) return args.fail();
    CString text;
    if (!args.str(text)) return TrevanLispArgs::retNil();
    return TrevanLispArgs::retBool(drawLeader(points, text));
}
