#include "drafting/drawing_box_lisp.h"

#include <algorithm>

#include "core/lisp_args.h"

namespace {

enum class Walk { kDone, kCannotReach };

// Grows the box by the extents of every entity of the set; stops at the first one that
// cannot be reached.
Walk growBox(const ads_name ss, ZcGePoint3d& lower, ZcGePoint3d& upper, bool& any)
{
    int32_t count = 0;
    zcedSSLength(ss, &count);
    for (int32_t i = 0; i < count; ++i) {
        ads_name name;
        ZcDbObjectId id;
        if (zcedSSName(ss, i, name) != RTNORM || zcdbGetObjectId(id, name) != Zcad::eOk) {
            zcutPrintf("\n### ARX notGet objId ###");
            return Walk::kCannotReach;
        }
        ZcDbObjectPointer<ZcDbEntity> ent(id, ZcDb::kForRead);
        if (ent.openStatus() != Zcad::eOk) {
            zcutPrintf("\n### ARX OPEN ERROR Not Open ###");
            return Walk::kCannotReach;
        }
        ZcDbExtents ext;
        if (ent->getGeomExtents(ext) != Zcad::eOk) continue;
        const ZcGePoint3d lo = ext.minPoint(), hi = ext.maxPoint();
        if (!any) {
            lower = lo;
            upper = hi;
            any = true;
            continue;
        }
        lower = ZcGePoint3d(std::min(lower.x, lo.x), std::min(lower.y, lo.y), std::min(lower.z, lo.z));
        upper = ZcGePoint3d(std::max(upper.x, hi.x), std::max(upper.y, hi.y), std::max(upper.z, hi.z));
    }
    return Walk::kDone;
}

}  // namespace

int TrevanComARX_GetObjctbox()
{
    resbuf* filter = zcutBuildList(-4, "<NOT", RTDXF0, "POINT", -4, "NOT>", 0);
    ads_name ss;
    int rc = zcedSSGet("X", nullptr, nullptr, filter, ss);
    zcutRelRb(filter);
    if (rc == RTCAN) return TrevanLispArgs::retStr("CAN");
    if (rc != RTNORM) return TrevanLispArgs::retStr("FAIL");
    ZcGePoint3d lower, upper;
    bool any = false;
    Walk walk = growBox(ss, lower, upper, any);
    if (zcedSSFree(ss) != RTNORM) {
        zcutPrintf("### ads_ssfree:ss:error # 図形セット群の解放に失敗した。 ###");
        return TrevanLispArgs::retName(ss, RTPICKS);
    }
    if (walk == Walk::kCannotReach) return TrevanLispArgs::retStr("CAN");
    // Only entities without extents: as if nothing had been selected.
    if (!any) return TrevanLispArgs::retStr("FAIL");
    ads_point lo = {lower.x, lower.y, lower.z}, hi = {upper.x, upper.y, upper.z};
    return TrevanLispArgs::retList(zcutBuildList(RT3DPOINT, lo, RT3DPOINT, hi, 0));
}
