#include "core/pickbox_find.h"

#include <cmath>

#include "core/str_split.h"
#include "core/xdata_presence.h"

namespace {

// The pick box in drawing units: PICKBOX pixels through the current view.
bool pickBoxSize(double& width, double& height)
{
    resbuf rb{};
    int pixels = zcedGetVar("PICKBOX", &rb) == RTNORM && rb.restype == RTSHORT ? rb.resval.rint : 3;
    ZcGePoint3d p0, p1;
    if (!zcedCoordFromPixelToWorld(CPoint(0, 0), p0) || !zcedCoordFromPixelToWorld(CPoint(pixels, pixels), p1)) {
        return false;
    }
    width = std::fabs(p1.x - p0.x);
    height = std::fabs(p1.y - p0.y);
    return true;
}

}  // namespace

bool TrevanCom_PickBoxFind(const ads_point pt, const std::function<bool(const ZcDbEntity*)>& accept,
                           ZcDbObjectId& found)
{
    double width = 0.0, height = 0.0;
    if (!pickBoxSize(width, height)) return false;
    ads_point lo = {pt[X] - width / 2, pt[Y] - height / 2, 0.0};
    ads_point hi = {pt[X] + width / 2, pt[Y] + height / 2, 0.0};
    ads_name ss;
    if (zcedSSGet("C", lo, hi, nullptr, ss) != RTNORM) return false;
    int32_t count = 0;
    zcedSSLength(ss, &count);
    bool bFound = false;
    for (int32_t i = 0; i < count && !bFound; ++i) {
        ads_name ent;
        ZcDbObjectId entId;
        if (zcedSSName(ss, i, ent) != RTNORM || zcdbGetObjectId(entId, ent) != Zcad::eOk) continue;
        ZcDbObjectPointer<ZcDbEntity> pEnt(entId, ZcDb::kForRead);
        if (pEnt.openStatus() != Zcad::eOk || !accept(pEnt.object())) continue;
        found = entId;
        bFound = true;
    }
    zcedSSFree(ss);
    return bFound;
}

bool TrevanCom_CarriesOneOf(const ZcDbEntity* pEnt, const CStringArray& apps)
{
    for (INT_PTR i = 0; i < apps.GetSize(); ++i) {
        if (TrevanComARX_HasXdata(pEnt, apps[i])) return true;
    }
    return false;
}

void TrevanCom_SplitNames(const char* names, CStringArray& list)
{
    if (names == nullptr || *names == '\0') return;
    int nNoCase = 1;
    TrevanComARX_MakeStrArray(CString(names), CString(","), list, nNoCase);
}
