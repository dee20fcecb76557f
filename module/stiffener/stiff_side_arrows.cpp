#include "stiffener/stiff_side_arrows.h"

#include <cmath>

#include "core/lisp_args.h"
#include "core/selection_ids.h"
#include "core/ucs_points.h"
#include "records/stiff_exports.h"

namespace {

using Getter = CString (CStiffData::*)() const;

// Heads lean back at 15 degrees either side of the shaft.
constexpr double kHeadNear = 1.3089969389957472;  // 75 degrees
constexpr double kHeadFar = 1.832595714594046;    // 105 degrees

double viewSize()
{
    resbuf rb{};
    if (zcedGetVar("VIEWSIZE", &rb) != RTNORM || rb.restype != RTREAL) return 0.0;
    return rb.resval.rreal;
}

void drawVector(const ZcGePoint3d& from, const ZcGePoint3d& to)
{
    const ZcGePoint3d a = TrevanComTransWtoU(from), b = TrevanComTransWtoU(to);
    ads_point pa = {a.x, a.y, a.z}, pb = {b.x, b.y, b.z};
    zcedGrDraw(pa, pb, 2, 0);
}

ZcGeVector3d turned(ZcGeVector3d v, double angle, const ZcGeVector3d& axis) { return v.rotateBy(angle, axis); }

bool showSide(ZcDbObjectId stiffId, Getter side)
{
    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(stiffId, stiff)) return false;
    const ZcGeVector3d u = (stiff.m_ptEnd - stiff.m_ptStart).normal();
    const ZcGeVector3d n(stiff.m_rNormVecX, stiff.m_rNormVecY, stiff.m_rNormVecZ);
    const double length = stiff.m_ptStart.distanceTo(stiff.m_ptEnd);
    const ZcGePoint3d mid = stiff.m_ptStart + (stiff.m_ptEnd - stiff.m_ptStart) * 0.5;
    const bool right = (stiff.*side)().CompareNoCase("R") == 0;
    const ZcGeVector3d d = turned(u, right ? -M_PI / 2 : M_PI / 2, n);
    const ZcGeVector3d h1 = -turned(u, right ? -kHeadNear : kHeadFar, n);
    const ZcGeVector3d h2 = -turned(u, right ? -kHeadFar : kHeadNear, n);
    double shaft = viewSize() / 10.0;
    if (shaft > 0.3 * length) shaft = 0.3 * length;
    const double head = 0.3 * shaft;
    const ZcGePoint3d tip = mid + d * shaft;
    drawVector(mid, tip);
    drawVector(tip, tip + h1 * head);
    drawVector(tip, tip + h2 * head);
    return true;
}

ZcDbObjectIdArray globalSet(const char* name)
{
    resbuf* value = nullptr;
    ZcDbObjectIdArray ids;
    if (zcedGetSym(name, &value) == RTNORM && value != nullptr && value->restype == RTPICKS)
        ids = TrevanSelectionIds(value->resval.rlname);
    zcutRelRb(value);
    return ids;
}

}  // namespace

bool TrevanComARX_ShowItanigeSide(ZcDbObjectId stiffId) { return showSide(stiffId, &CStiffData::getStiffItanigeAxis); }

bool TrevanComARX_ShowFlangeSide(ZcDbObjectId stiffId) { return showSide(stiffId, &CStiffData::getStifffFlangeAxis); }

void TrevanComARX_ShowStiffDetail()
{
    const ZcDbObjectIdArray itanige = globalSet("##TreviComArx_Lisp_Gloval_Itanige");
    const ZcDbObjectIdArray flange = globalSet("##TreviComArx_Lisp_Gloval_Flange");
    globalSet("##TreviComArx_Lisp_Gloval_Rabatt");
    for (ZcDbObjectId id : itanige) TrevanComARX_ShowItanigeSide(id);
    for (ZcDbObjectId id : flange) TrevanComARX_ShowFlangeSide(id);
}

int TrevanComARX_ShowStiffDetailLispFunc()
{
    TrevanComARX_ShowStiffDetail();
    return TrevanLispArgs::retNone();
}
