#include "longi/long_sections.h"

#include "core/model_space_walk.h"
#include "core/xdata_presence.h"
#include "records/long_data.h"

bool TrevanCom_SectionsLinkedTo(const CString& handleName, ZcDbObjectIdArray& ids, const std::set<ZcDbObjectId>& skip)
{
    ZcDbObjectIdArray all;
    {
        CModelSpaceWalk walk(zcdbHostApplicationServices()->workingDatabase());
        walk.reportFailure();
        if (walk.failure() != CModelSpaceWalk::kNone) return false;
        walk.appendIds(all);
    }
    for (int i = 0; i < all.length(); ++i) {
        if (skip.count(all[i]) != 0) continue;
        ZcDbObjectPointer<ZcDbEntity> ent(all[i], ZcDb::kForRead);
        // Most of model space is no section: asking first spares the record reader.
        if (ent.openStatus() != Zcad::eOk || !TrevanComARX_HasXdata(ent.object(), TREVAN_LONG_APP)) continue;
        CLongData record;
        if (record.setData(ent.object(), TREVAN_LONG_APP) && record.m_strLandingLine.CompareNoCase(handleName) == 0)
            ids.append(all[i]);
    }
    return true;
}

