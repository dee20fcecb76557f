#include "longi/landing_line_names.h"

#include "core/model_space_walk.h"
#include "core/single_xdata.h"

void TrevanCom_CollectLandingLineNames(CStringArray& names)
{
    CModelSpaceWalk walk(zcdbHostApplicationServices()->workingDatabase());
    walk.reportFailure();
    walk.visit([&names](const ZcDbEntity& ent) {
        CString name;
        if (TrevanComARX_GetXdataStr(&ent, TREVAN_LANDING_NAME_APP, name) == 1) names.Add(name);
        return true;
    });
}
