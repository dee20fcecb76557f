#include "core/all_entities.h"

#include "core/model_space_walk.h"
#include "core/pickbox_find.h"

bool TrevanCom_GetAllObjectIdArray(ZcDbDatabase* pDb, ZcDbObjectIdArray& objIds, const char* appNames)
{
    CModelSpaceWalk walk(pDb);
    switch (walk.failure()) {
    case CModelSpaceWalk::kNone: break;
    case CModelSpaceWalk::kIterator: walk.reportFailure(); return false;
    default: {
        const char* fileName = "";
        if (pDb == nullptr || pDb->getFilename(fileName) != Zcad::eOk || fileName == nullptr) fileName = "";
        zcutPrintf("\n%sのオープンに失敗しました.", fileName);
        return false;
    }
    }
    CStringArray apps;
    TrevanCom_SplitNames(appNames, apps);
    if (apps.IsEmpty()) {
        walk.appendIds(objIds);
        return true;
    }
    walk.visit([&](const ZcDbEntity& ent) {
        if (TrevanCom_CarriesOneOf(&ent, apps)) objIds.append(ent.objectId());
        return true;
    });
    return true;
}
