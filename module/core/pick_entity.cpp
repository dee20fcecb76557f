#include "core/pick_entity.h"

#include "core/host_errno.h"

int TrevanComARX_SelectSingleEntity(ZcDbObjectId& objId, const char* prompt)
{
    for (;;) {
        ads_name ent;
        ads_point pt;
        int rc = zcedEntSel(prompt, ent, pt);
        if (rc == RTNORM) {
            ZcDbObjectId picked;
            if (zcdbGetObjectId(picked, ent) != Zcad::eOk) continue;
            objId = picked;
            return 1;
        }
        if (rc == RTCAN) return -1;
        int err = TrevanCom_HostErrno();
        if (err == OL_ENTSELPICK) continue;
        if (err == OL_ENTSELNULL) return 2;
        zcutPrintf("\nERRNO=%d\n", err);
        return -1;
    }
}
