#include "core/select_entities.h"

bool TrevanComARX_SelectEntity(const char* prompt, const resbuf* filter, ZcDbObjectIdArray& objIds)
{
    ads_name ss;
    int rc;
    if (prompt != nullptr) {
        CString strAdd, strRemove;
        strAdd.Format("\n%s", prompt);
        strRemove.Format("\n除外する%s", prompt);
        const char* prompts[2] = {strAdd, strRemove};
        rc = zcedSSGet(":$", prompts, nullptr, filter, ss);
    } else {
        rc = zcedSSGet(nullptr, nullptr, nullptr, filter, ss);
    }
    if (rc != RTNORM) return false;
    int32_t count = 0;
    zcedSSLength(ss, &count);
    for (int32_t i = 0; i < count; ++i) {
        ads_name ent;
        ZcDbObjectId objId;
        if (zcedSSName(ss, i, ent) == RTNORM && zcdbGetObjectId(objId, ent) == Zcad::eOk) objIds.append(objId);
    }
    zcedSSFree(ss);
    return true;
}
