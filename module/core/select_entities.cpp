#include "core/select_entities.h"

#include "core/selection_ids.h"

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
    objIds.append(TrevanSelectionIds(ss));
    zcedSSFree(ss);
    return true;
}
