#include "longi/landing_curve_pick.h"

#include "core/host_errno.h"

namespace {

enum class Kind { kNoCurve, kRefused, kLanding };

Kind kindOf(ZcDbObjectId id)
{
    ZcDbObjectPointer<ZcDbCurve> curve(id, ZcDb::kForRead);
    if (curve.openStatus() != Zcad::eOk) return Kind::kNoCurve;
    const ZcDbCurve* c = curve.object();
    if (c->isKindOf(ZcDbLine::desc()) || c->isKindOf(ZcDbArc::desc()) || c->isKindOf(ZcDbSpline::desc()) ||
        c->isKindOf(ZcDbPolyline::desc()))
        return Kind::kLanding;
    return Kind::kRefused;
}

}  // namespace

bool TrevanCom_SelectLandingCurve(ZcDbObjectId& objId)
{
    for (;;) {
        ads_name ent;
        ads_point pt;
        const int rc = zcedEntSel("\n外板ロンジランディング線を指示:", ent, pt);
        if (rc == RTCAN) return false;
        if (rc != RTNORM) {
            const int err = TrevanCom_HostErrno();
            if (err == OL_ENTSELPICK) continue;
            if (err == OL_ENTSELNULL) return false;
            zcutPrintf("\nERRNO=%d\n", err);
            return false;
        }
        ZcDbObjectId picked;
        if (zcdbGetObjectId(picked, ent) != Zcad::eOk) continue;
        switch (kindOf(picked)) {
        case Kind::kNoCurve: continue;
        case Kind::kRefused:
            zcutPrintf("\nランディング線はLINE、ARC、SPLINE、LWPOLYLINEの中から選択してください！");
            continue;
        case Kind::kLanding: objId = picked; return true;
        }
    }
}
