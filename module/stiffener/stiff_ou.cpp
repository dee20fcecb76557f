#include "stiffener/stiff_ou.h"

#include "settings/ini_file.h"
#include "settings/sys_dir.h"

namespace {

// The line type a stiffener is drawn with. ByLayer and ByBlock both take the layer's line
// type: a stiffener is never part of a block whose reference could say otherwise.
CString drawnLinetype(const ZcDbEntity* pEnt)
{
    char* psz = pEnt->linetype();
    CString strName = psz != nullptr ? psz : "";
    zcutDelString(psz);
    if (strName.CompareNoCase("BYLAYER") != 0 && strName.CompareNoCase("BYBLOCK") != 0) return strName;
    ZcDbObjectId linetypeId;
    {
        ZcDbObjectPointer<ZcDbLayerTableRecord> pLayer(pEnt->layerId(), ZcDb::kForRead);
        if (pLayer.openStatus() != Zcad::eOk) return strName;
        linetypeId = pLayer->linetypeObjectId();
    }
    ZcDbObjectPointer<ZcDbLinetypeTableRecord> pLinetype(linetypeId, ZcDb::kForRead);
    const char* pName = nullptr;
    if (pLinetype.openStatus() != Zcad::eOk || pLinetype->getName(pName) != Zcad::eOk) return strName;
    return pName;
}

}  // namespace

void TrevanCom_GetStiffOU(CString& strFront, CString& strBack)
{
    CString strDataDir;
    if (!TrevanComARX_GetDataDirFunc(strDataDir)) return;
    CString strIni = strDataDir + "\\MST\\STIFFSIZE.INI";
    TrevanComARX_GetIniData(strIni, "STIFF1", "LT1", strFront);
    TrevanComARX_GetIniData(strIni, "STIFF1", "LT2", strBack);
}

bool TrevanCom_CheckStiffOU(ZcDbEntity* pEnt)
{
    if (pEnt == nullptr) return false;
    CString strName = drawnLinetype(pEnt);
    CString strFront, strBack;
    TrevanCom_GetStiffOU(strFront, strBack);
    return strName.CompareNoCase(strBack) != 0;
}

bool TrevanCom_CheckStiffOU(ZcDbObjectId objId)
{
    ZcDbObjectPointer<ZcDbEntity> pEnt(objId, ZcDb::kForRead);
    if (pEnt.openStatus() != Zcad::eOk) return false;
    return TrevanCom_CheckStiffOU(pEnt.object());
}
