#include "drafting/dim_direct.h"

#include <cstdlib>

#include "core/lisp_args.h"
#include "core/select_entities.h"
#include "core/select_keyword.h"
#include "core/ucs_points.h"
#include "drafting/dim_arrow_blocks.h"
#include "settings/ini_file.h"
#include "settings/sys_dir.h"

namespace {

bool selectDimensions(ZcDbObjectIdArray& ids)
{
    resbuf* filter = zcutBuildList(RTDXF0, "DIMENSION", 0);
    const bool bSelected = TrevanComARX_SelectEntity("寸法線を選択：", filter, ids);
    zcutRelRb(filter);
    return bSelected && !ids.isEmpty();
}

// Both ends the same block.
void bothEnds(bool (*getBlock)(ZcDbObjectId&))
{
    ZcDbObjectIdArray ids;
    if (!selectDimensions(ids)) return;
    ZcDbObjectId blockId;
    if (!getBlock(blockId)) {
        zcutPrintf("\nブロックIDを取得できませんでした");
        return;
    }
    for (int i = 0; i < ids.length(); ++i) {
        ZcDbObjectPointer<ZcDbDimension> pDim(ids[i], ZcDb::kForWrite);
        if (pDim.openStatus() != Zcad::eOk) continue;
        pDim->setDimsah(true);
        pDim->setDimblk1(blockId);
        pDim->setDimblk2(blockId);
    }
}

bool extensionPoints(ZcDbDimension* pDim, ZcGePoint3d& p1, ZcGePoint3d& p2)
{
    if (const ZcDbRotatedDimension* pRot = ZcDbRotatedDimension::cast(pDim)) {
        p1 = pRot->xLine1Point();
        p2 = pRot->xLine2Point();
        return true;
    }
    if (const ZcDbAlignedDimension* pAl = ZcDbAlignedDimension::cast(pDim)) {
        p1 = pAl->xLine1Point();
        p2 = pAl->xLine2Point();
        return true;
    }
    return false;
}

// The open arrow at the end nearer the picked point (the first on a tie), the other block
// at the other end.
void towardPoint(bool (*getOther)(ZcDbObjectId&))
{
    ZcDbObjectIdArray ids;
    if (!selectDimensions(ids)) return;
    ads_point picked;
    int nResult;
    while ((nResult = zcedGetPoint(nullptr, "\n方向を指示：", picked)) == RTNONE) {
    }
    if (nResult != RTNORM) return;
    ZcDbObjectId openId, otherId;
    if (!TrevanCom_GetDimOpenId(openId)) {
        zcutPrintf("\nブロックIDを取得できませんでした(1)");
        return;
    }
    if (!getOther(otherId)) {
        zcutPrintf("\nブロックIDを取得できませんでした(2)");
        return;
    }
    const ZcGePoint3d pt = TrevanComTransUtoW(ZcGePoint3d(picked[0], picked[1], picked[2]));
    for (int i = 0; i < ids.length(); ++i) {
        ZcDbObjectPointer<ZcDbDimension> pDim(ids[i], ZcDb::kForWrite);
        ZcGePoint3d p1, p2;
        if (pDim.openStatus() != Zcad::eOk || !extensionPoints(pDim.object(), p1, p2)) continue;
        pDim->setDimsah(true);
        const bool bFirst = pt.distanceTo(p1) <= pt.distanceTo(p2);
        pDim->setDimblk1(bFirst ? openId : otherId);
        pDim->setDimblk2(bFirst ? otherId : openId);
    }
}

void runType(int nType)
{
    switch (nType) {
    case 1: bothEnds(TrevanCom_GetDimOpenId); break;
    case 2: bothEnds(TrevanCom_GetDimOpenRId); break;
    case 3: towardPoint(TrevanCom_GetDimNoneId); break;
    case 4: towardPoint(TrevanCom_GetDimOpenRId); break;
    default: break;
    }
}

CString defaultsFile(const CString& sysDir) { return sysDir + "\\QXCOMMON\\Default.ini"; }

}  // namespace

int TrevanComARX_DimDirect()
{
    CString sysDir;
    if (!TrevanComARX_GetSysDirFunc(sysDir)) return TrevanLispArgs::retNil();
    CString strDefault;
    if (!TrevanComARX_GetIniData(defaultsFile(sysDir), "DIMENSION", "VALUE", strDefault)) strDefault = "1";
    CStringArray keywords;
    for (const char* k : {"1", "2", "3", "4"}) keywords.Add(k);
    CString chosen;
    if (TrevanComARX_SelectKeyword(keywords, "\n変更タイプ選択[ <-> (1)/ >-< (2)/ -> (3)/ >-> (4)]", strDefault,
                                   chosen) != 5100)
        return TrevanLispArgs::retNil();
    runType(std::atoi(chosen));
    TrevanComARX_SetIniData(defaultsFile(sysDir), "DIMENSION", "VALUE", chosen);
    return TrevanLispArgs::retNil();
}

int TrevanComARX_DimDirect1()
{
    runType(1);
    return TrevanLispArgs::retNil();
}

int TrevanComARX_DimDirect2()
{
    runType(2);
    return TrevanLispArgs::retNil();
}

int TrevanComARX_DimDirect3()
{
    runType(3);
    return TrevanLispArgs::retNil();
}

int TrevanComARX_DimDirect4()
{
    runType(4);
    return TrevanLispArgs::retNil();
}
