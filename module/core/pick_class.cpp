#include "core/pick_class.h"

#include "core/host_errno.h"
#include "core/pickbox_find.h"

namespace {

bool qualifies(ZcDbObjectId objId, const CStringArray& classes, const CStringArray& apps)
{
    ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForRead);
    if (pEnt.openStatus() != Zcad::eOk) return false;
    if (!classes.IsEmpty()) {
        CString strClass = pEnt->isA()->name();
        bool bListed = false;
        for (INT_PTR i = 0; i < classes.GetSize() && !bListed; ++i) bListed = strClass.CompareNoCase(classes[i]) == 0;
        if (!bListed) return false;
    }
    return apps.IsEmpty() || TrevanCom_CarriesOneOf(pEnt.object(), apps);
}

}  // namespace

int TrevanCom_GetARX_Entsel2(const char* prompt, ZcDbObjectId& objId, ZcGePoint3d& pickPt, const char* classNames,
                             const char* appNames)
{
    CStringArray classes;
    TrevanCom_SplitNames(classNames, classes);
    CStringArray apps;
    TrevanCom_SplitNames(appNames, apps);
    for (;;) {
        ads_name ent;
        ads_point pt;
        int rc = zcedEntSel(prompt, ent, pt);
        if (rc == RTCAN) return -1;
        if (rc != RTNORM) {
            int err = TrevanCom_HostErrno();
            if (err != OL_ENTSELPICK && err != OL_ENTSELNULL) zcutPrintf("\nERRNO=%d\n", err);
            continue;
        }
        ZcDbObjectId picked;
        if (zcdbGetObjectId(picked, ent) != Zcad::eOk || !qualifies(picked, classes, apps)) continue;
        objId = picked;
        pickPt.set(pt[X], pt[Y], pt[Z]);
        return 0;
    }
}
