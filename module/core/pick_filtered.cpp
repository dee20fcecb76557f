// The conditional form of TrevanComARX_SelectSingleEntity.
#include "core/pick_entity.h"

#include "core/host_errno.h"
#include "core/pickbox_find.h"

namespace {

bool isEmptyList(const char* names) { return names == nullptr || *names == '\0'; }

// The entity's type name (group 0) is one of the comma list, ignoring case.
bool typeListed(ZcDbObjectId objId, const char* entTypes)
{
    ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForRead);
    if (pEnt.openStatus() != Zcad::eOk) return false;
    CString strType = pEnt->isA()->dxfName();
    CStringArray types;
    TrevanCom_SplitNames(entTypes, types);
    for (INT_PTR i = 0; i < types.GetSize(); ++i) {
        if (strType.CompareNoCase(types[i]) == 0) return true;
    }
    return false;
}

}  // namespace

int TrevanComARX_SelectSingleEntity(ZcDbObjectId& objId, const char* prompt, const char* entTypes,
                                    const char* appNames)
{
    for (;;) {
        ads_name ent;
        ads_point pt;
        int rc = zcedEntSel(prompt, ent, pt);
        if (rc == RTCAN) return 2;
        if (rc != RTNORM) {
            if (TrevanCom_HostErrno() == OL_ENTSELNULL) return 3;
            continue;
        }
        ZcDbObjectId picked;
        if (zcdbGetObjectId(picked, ent) != Zcad::eOk) continue;
        // The type is that of what the host picked, even when the application test settles
        // on a neighbour at the same place.
        ZcDbObjectId result = picked;
        CStringArray apps;
        TrevanCom_SplitNames(appNames, apps);
        auto carriesApp = [&apps](const ZcDbEntity* pEnt) { return TrevanCom_CarriesOneOf(pEnt, apps); };
        bool bAccepted = apps.IsEmpty() || TrevanCom_PickBoxFind(pt, carriesApp, result);
        if (bAccepted && !isEmptyList(entTypes)) bAccepted = typeListed(picked, entTypes);
        if (!bAccepted) {
            zcutPrintf("\n指定外のオブジェクトです");
            continue;
        }
        objId = result;
        return 1;
    }
}
