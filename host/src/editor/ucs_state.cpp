// UCS per drawing, kept with the drawing's database (its file saves it).
#include "editor/ucs_state.h"

#include "db/database_impl.h"

namespace zrxhost::ed {
namespace {

ZcDbDatabase* orWorking(ZcDbDatabase* db)
{
    return db != nullptr ? db : zcdbHostApplicationServices()->workingDatabase();
}

}  // namespace

const ZcGeMatrix3d& ucsOf(ZcDbDatabase* db)
{
    static const ZcGeMatrix3d world;
    ZcDbDatabase* d = orWorking(db);
    return d != nullptr ? zrxhost::stateOf(d)->ucs : world;
}

void setUcs(ZcDbDatabase* db, const ZcGeMatrix3d& ucsToWorld)
{
    if (ZcDbDatabase* d = orWorking(db)) zrxhost::stateOf(d)->ucs = ucsToWorld;
}
bool ucsIsWorld() { return ucsOf().isEqualTo(ZcGeMatrix3d::kIdentity); }

ZcGePoint3d ucsToWorld(const ZcGePoint3d& p) { return ucsOf() * p; }

ZcGePoint3d worldToUcs(const ZcGePoint3d& p) { return ucsOf().inverse() * p; }

}  // namespace zrxhost::ed
