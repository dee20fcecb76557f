#include "core/all_stiffeners.h"

#include "core/model_space_walk.h"
#include "core/xdata_presence.h"

bool TrevanCom_GetAllStiffObjectIdArray(ZcDbObjectIdArray& objIds)
{
    CModelSpaceWalk walk(zcdbHostApplicationServices()->workingDatabase());
    if (walk.failure() != CModelSpaceWalk::kNone) {
        walk.reportFailure();
        return false;
    }
    // One pass over model space.
    walk.visit([&objIds](const ZcDbEntity& ent) {
        if (TrevanComARX_HasXdata(&ent, "STIFF")) objIds.append(ent.objectId());
        return true;
    });
    return true;
}
