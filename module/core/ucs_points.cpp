#include "core/ucs_points.h"

namespace {

bool userIsWorld()
{
    resbuf rb{};
    if (zcedGetVar("WORLDUCS", &rb) != RTNORM) return true;
    return !(rb.restype == RTSHORT && rb.resval.rint == 0);
}

// from, to: 0 world, 1 user.
ZcGePoint3d trans(const ZcGePoint3d& pt, short from, short to)
{
    if (userIsWorld()) return pt;
    resbuf rbFrom{}, rbTo{};
    rbFrom.restype = rbTo.restype = RTSHORT;
    rbFrom.resval.rint = from;
    rbTo.resval.rint = to;
    ads_point in = {pt.x, pt.y, pt.z}, out;
    if (zcedTrans(in, &rbFrom, &rbTo, 0, out) != RTNORM) return pt;
    return {out[X], out[Y], out[Z]};
}

}  // namespace

ZcGePoint3d TrevanComTransWtoU(const ZcGePoint3d& pt) { return trans(pt, 0, 1); }

ZcGePoint3d TrevanComTransUtoW(const ZcGePoint3d& pt) { return trans(pt, 1, 0); }
