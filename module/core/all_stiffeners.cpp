#include "core/all_stiffeners.h"

#include "core/model_space_walk.h"

bool TrevanCom_GetAllStiffObjectIdArray(ZcDbObjectIdArray& objIds)
{
    CModelSpaceWalk walk(zcdbHostApplicationServices()->workingDatabase());
    if (walk.failure() != CModelSpaceWalk::kNone) {
        walk.reportFailure();
        return false;
    }
    // One pass over model space; the presence of the xdata is asked without copying it.
    walk.visit([&objIds](const ZcDbEntity& ent) {
        if (ent.hasXData("STIFF")) objIds.append(ent.objectId());
        return true;
    });
    return true;
}
