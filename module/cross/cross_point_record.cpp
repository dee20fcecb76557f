#include "cross/cross_point_record.h"

#include "QorComStd2002.h"
#include "core/model_space_append.h"
#include "core/single_xdata.h"
#include "core/xdata_presence.h"

namespace {

bool writeKeys(ZcDbEntity* pEnt, const CCrossPointKeys& keys)
{
    return TrevanComARX_SetXdataStr(pEnt, TREVANCOM_CROSS_POINT_APP, "DMY") == 1
        && TrevanComARX_SetXdataStr(pEnt, TREVANCOM_CROSS_A_APP, keys.m_strThrough) == 1
        && TrevanComARX_SetXdataStr(pEnt, TREVANCOM_CROSS_B1_APP, keys.m_strPartner1) == 1
        && TrevanComARX_SetXdataStr(pEnt, TREVANCOM_CROSS_B2_APP, keys.m_strPartner2) == 1
        && TrevanComARX_SetXdataStr(pEnt, TREVANCOM_CROSS_DWG_APP, keys.m_strDwgName) == 1;
}

}  // namespace

bool TrevanCom_MakeCrossPoint(const ZcGePoint3d& pt, const CCrossPointKeys& keys, ZcDbObjectId& pointId)
{
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    QorComARX_MakeLayer(TREVANCOM_CROSS_LAYER, 7, "continuous", -3, "");
    auto* pPoint = new ZcDbPoint(pt);
    pPoint->setDatabaseDefaults(pDb);
    if (pPoint->setLayer(TREVANCOM_CROSS_LAYER) != Zcad::eOk || !writeKeys(pPoint, keys)
        || !TrevanCom_AppendToModelSpace(pPoint, pointId, pDb)) {
        delete pPoint;
        zcutPrintf("\n交点情報の付加に失敗しました.");
        return false;
    }
    return true;
}

bool TrevanCom_ReadCrossPointKeys(ZcDbObjectId pointId, CCrossPointKeys& keys)
{
    ZcDbObjectPointer<ZcDbEntity> point(pointId, ZcDb::kForRead);
    if (point.openStatus() != Zcad::eOk || !TrevanComARX_HasXdata(point.object(), TREVANCOM_CROSS_POINT_APP))
        return false;
    TrevanComARX_GetXdataStr(point.object(), TREVANCOM_CROSS_A_APP, keys.m_strThrough);
    TrevanComARX_GetXdataStr(point.object(), TREVANCOM_CROSS_B1_APP, keys.m_strPartner1);
    TrevanComARX_GetXdataStr(point.object(), TREVANCOM_CROSS_B2_APP, keys.m_strPartner2);
    TrevanComARX_GetXdataStr(point.object(), TREVANCOM_CROSS_DWG_APP, keys.m_strDwgName);
    return true;
}

void TrevanCom_ShowCrossPoints()
{
    resbuf mode{};
    if (zcedGetVar("PDMODE", &mode) != RTNORM || mode.restype != RTSHORT) return;
    if (mode.resval.rint >= 2) return;
    mode.resval.rint = 3;
    zcedSetVar("PDMODE", &mode);
}
