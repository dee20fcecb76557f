#include "cross/cross_point_weight.h"

#include "core/all_entities.h"
#include "core/open_drawing.h"
#include "cross/cross_point_detail.h"
#include "records/support_plate_attr.h"
#include "settings/material_gravity.h"

namespace {

double areaOf(const ZcDbEntity* pEnt)
{
    double area = 0.0;
    if (const ZcDbCurve* pCurve = ZcDbCurve::cast(pEnt)) {
        if (pCurve->getArea(area) == Zcad::eOk) return area;
    } else if (const ZcDbRegion* pRegion = ZcDbRegion::cast(pEnt)) {
        if (pRegion->getArea(area) == Zcad::eOk) return area;
    }
    return 0.0;
}

}  // namespace

bool TrevanCom_CrossPlateAreaWeight(const char* dwgPath, double& area, double& weight)
{
    ZcDbDatabase* pDb = nullptr;
    if (TrevanComARX_OpenDwg(dwgPath, pDb) == 0) return false;
    ZcDbObjectIdArray plates;
    TrevanCom_GetAllObjectIdArray(pDb, plates, TREVANCOM_SUPPORT_PLATE_APP);
    area = weight = 0.0;
    for (ZcDbObjectId id : plates) {
        ZcDbObjectPointer<ZcDbEntity> plate(id, ZcDb::kForRead);
        if (plate.openStatus() != Zcad::eOk) continue;
        SupportPlateAttr attr;
        TrevanCom_StructGet(plate.object(), &attr);
        const double plateArea = areaOf(plate.object());
        area += plateArea;
        weight += plateArea * attr.m_rPWT / 1000.0 * TrevanCom_GetMaterialGravity(attr.m_szMaterial) / 1000.0;
    }
    TrevanComARX_FreeDwg(pDb);
    return true;
}
