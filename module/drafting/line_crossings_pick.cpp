#include <cmath>

#include "core/lisp_args.h"
#include "core/selection_ids.h"
#include "drafting/line_crossings.h"

namespace {

// The polylines and splines a thin triangle along the line touches.
int selectAlong(const ads_point from, const ads_point to, ads_name ss)
{
    const double side = std::atan2(to[1] - from[1], to[0] - from[0]) + 1.57079;
    ads_point third = {to[0] + 0.01 * std::cos(side), to[1] + 0.01 * std::sin(side), to[2]};
    resbuf* polygon = zcutBuildList(RT3DPOINT, from, RT3DPOINT, to, RT3DPOINT, third, 0);
    resbuf* filter = zcutBuildList(RTDXF0, "LWPOLYLINE,SPLINE", 0);
    int rc = zcedSSGet("CP", polygon, nullptr, filter, ss);
    zcutRelRb(polygon);
    zcutRelRb(filter);
    return rc;
}

}  // namespace

int TrevanComARX_sss_v2_func01()
{
    ads_point from, to;
    if (zcedGetPoint(nullptr, "\n1点目を指示:", from) != RTNORM) return TrevanLispArgs::retNil();
    if (zcedGetPoint(from, "\n2点目を指示:", to) != RTNORM) return TrevanLispArgs::retNil();
    ads_name found;
    int rc = selectAlong(from, to, found);
    if (rc == RTCAN) return TrevanLispArgs::retNil();
    if (rc != RTNORM) return TrevanLispArgs::retStr("FAIL");
    const ZcGePoint3d a(from[0], from[1], from[2]), b(to[0], to[1], to[2]);
    std::vector<TrevanLineCrossing> crossings = TrevanCom_LineCrossings(a, b, TrevanSelectionIds(found));
    zcedSSFree(found);
    ads_name ordered;
    zcedSSAdd(nullptr, nullptr, ordered);
    for (const TrevanLineCrossing& c : crossings) {
        ads_name name;
        if (zcdbGetAdsName(name, c.m_id) == Zcad::eOk) zcedSSAdd(name, ordered, ordered);
    }
    return TrevanLispArgs::retList(zcutBuildList(RT3DPOINT, from, RT3DPOINT, to, RTPICKS, ordered, 0));
}
