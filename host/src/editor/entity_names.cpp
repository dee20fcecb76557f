// Entity names of the drawing's entities by their place in it.
#include "editor/editor.h"
#include "editor/geometry.h"
#include "zrx/ed_selection.h"
#include "zrxhost/contract.h"
#include "zrxhost/spaces.h"

int zcdbEntLast(ads_name result)
{
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    if (db == nullptr || result == nullptr) return RTERROR;
    zrxhost::HostAccess access;
    auto ids = zrxhost::ed::liveEntities(zrxhost::modelSpaceId(db));
    if (ids.empty()) return RTERROR;
    ads_name name;
    if (zcdbGetAdsName(name, ids.back()) != Zcad::eOk) return RTERROR;
    result[0] = name[0];
    result[1] = name[1];
    return RTNORM;
}
