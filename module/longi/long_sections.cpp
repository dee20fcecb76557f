#include "longi/long_sections.h"

#include "core/model_space_walk.h"
#include "records/long_data.h"

bool TrevanCom_SectionsLinkedTo(const CString& handleName, ZcDbObjectIdArray& ids)
{
    ZcDbObjectIdArray all;
    {
        CModelSpaceWalk walk(zcdbHostApplicationServices()->workingDatabase());
        walk.reportFailure();
        if (walk.failure() != CModelSpaceWalk::kNone) return false;
        walk.appendIds(all);
    }
    for (int i = 0; i < all.length(); ++i) {
        CLongData record;
        if (record.setData(all[i], TREVAN_LONG_APP) && record.m_strLandingLine.CompareNoCase(handleName) == 0)
            ids.append(all[i]);
    }
    return true;
}

void TrevanCom_RefreshScreen()
{
    if (ZcTransactionManager* tm = zctrTransactionManager) {
        tm->queueForGraphicsFlush();
        tm->flushGraphics();
    }
    zcedUpdateDisplay();
}
