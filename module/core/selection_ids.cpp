#include "core/selection_ids.h"

ZcDbObjectIdArray TrevanSelectionIds(const ads_name ss)
{
    int32_t count = 0;
    zcedSSLength(ss, &count);
    ZcDbObjectIdArray ids;
    for (int32_t i = 0; i < count; ++i) {
        ads_name name;
        ZcDbObjectId id;
        if (zcedSSName(ss, i, name) == RTNORM && zcdbGetObjectId(id, name) == Zcad::eOk) ids.append(id);
    }
    return ids;
}
