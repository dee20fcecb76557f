#include "app/commands/command_support.h"

#include <cmath>

#include "editor/editor.h"
#include "editor/ucs_state.h"
#include "zrx/ed_sysvars.h"
#include "zrxhost/spaces.h"

namespace zrxhost::app {

ZcDbDatabase* working() { return zcdbHostApplicationServices()->workingDatabase(); }

double realVar(const char* name, double fallback)
{
    resbuf rb{};
    return zcedGetVar(name, &rb) == RTNORM && rb.restype == RTREAL ? rb.resval.rreal : fallback;
}

ZcDbObjectId append(ZcDbEntity* entity)
{
    ZcDbDatabase* db = working();
    entity->setDatabaseDefaults(db);
    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(db), ZcDb::kForWrite);
    ZcDbObjectId id;
    if (ms.openStatus() != Zcad::eOk || ms->appendZcDbEntity(id, entity) != Zcad::eOk) {
        delete entity;
        return {};
    }
    entity->close();
    return id;
}

ZcGePoint3d toPoint(const ads_point p) { return {p[X], p[Y], p[Z]}; }
ZcGePoint3d toWorld(const ZcGePoint3d& p) { return ed::ucsToWorld(p); }
ZcGePoint3d toWorld(const ads_point p) { return ed::ucsToWorld(toPoint(p)); }
double ucsAngle()
{
    ZcGeVector3d x = ZcGeVector3d::kXAxis;
    x.transformBy(ed::ucsOf());
    return std::atan2(x.y, x.x);
}

bool needDrawing()
{
    if (working() != nullptr) return true;
    ed::write("\nNo drawing is open.\n");
    return false;
}

}  // namespace zrxhost::app
