#include "cross/cross_point_detail.h"

#include "core/all_entities.h"
#include "core/clone_entities.h"
#include "core/curve_ends.h"
#include "core/open_drawing.h"

namespace {

bool readPartner(ZcDbEntity* pEnt, const char* app, CStiffData& record)
{
    return record.getStiffdata(pEnt, app) && !record.m_strFType.IsEmpty();
}

void tell(const char* format, const char* dwgPath)
{
    CString msg;
    msg.Format(format, dwgPath);
    AfxMessageBox(msg, MB_ICONSTOP);
}

// The drawing's entities of each kind; false, with the message of the first kind missing.
bool collect(ZcDbDatabase* pDb, const char* dwgPath, ZcDbObjectIdArray& records, ZcDbObjectIdArray& lines,
             ZcDbObjectIdArray& plates)
{
    TrevanCom_GetAllObjectIdArray(pDb, records, TREVANCOM_DETAIL_A_APP);
    TrevanCom_GetAllObjectIdArray(pDb, lines, TREVANCOM_DETAIL_STLINE_APP);
    TrevanCom_GetAllObjectIdArray(pDb, plates, TREVANCOM_SUPPORT_PLATE_APP);
    if (records.isEmpty()) tell("%sに情報がありません.図枠が削除されていませんか?", dwgPath);
    else if (lines.isEmpty()) tell("%sの鉛直基準線が削除されています.", dwgPath);
    else if (plates.isEmpty()) tell("%sにリブ・ブラケットが作成されていません.", dwgPath);
    return !records.isEmpty() && !lines.isEmpty() && !plates.isEmpty();
}

bool copyOut(const ZcDbObjectIdArray& lines, const ZcDbObjectIdArray& plates, CCrossDetail& detail)
{
    if (!TrevanCom_GetCurveSEpt(lines[0], detail.m_ptRefStart, detail.m_ptRefEnd)) return false;
    for (ZcDbObjectId plateId : plates) {
        ZcDbObjectPointer<ZcDbEntity> plate(plateId, ZcDb::kForRead);
        if (plate.openStatus() != Zcad::eOk) continue;
        auto* pCopy = ZcDbEntity::cast(plate->clone());
        if (pCopy == nullptr) continue;
        SupportPlateAttr attr;
        TrevanCom_StructGet(plate.object(), &attr);
        detail.m_plates.append(pCopy);
        detail.m_attrs.append(attr);
    }
    return true;
}

}  // namespace

bool TrevanCom_ReadCrossDetailRecords(ZcDbDatabase* pDb, CCrossDetailRecords& records)
{
    ZcDbObjectIdArray ids;
    TrevanCom_GetAllObjectIdArray(pDb, ids, TREVANCOM_DETAIL_A_APP);
    if (ids.isEmpty()) return false;
    ZcDbObjectPointer<ZcDbEntity> pEnt(ids[0], ZcDb::kForRead);
    if (pEnt.openStatus() != Zcad::eOk) return false;
    records.m_bThrough = records.m_through.getStiffdata(pEnt.object(), TREVANCOM_DETAIL_A_APP);
    records.m_bRight = readPartner(pEnt.object(), TREVANCOM_DETAIL_BR_APP, records.m_right);
    records.m_bLeft = readPartner(pEnt.object(), TREVANCOM_DETAIL_BL_APP, records.m_left);
    return records.m_bThrough;
}

bool TrevanCom_CrossDetailFits(const CCrossDetailRecords& detail, const CStiffData& through,
                               const ZcArray<CStiffData>& partners)
{
    if (!detail.m_bThrough || !detail.m_through.isSameSection(through)) return false;
    const auto right = [&](const CStiffData& p) { return detail.m_bRight && detail.m_right.isSameSection(p); };
    const auto left = [&](const CStiffData& p) { return detail.m_bLeft && detail.m_left.isSameSection(p); };
    if (partners.length() == 1)
        return (right(partners[0]) && !detail.m_bLeft) || (left(partners[0]) && !detail.m_bRight);
    if (partners.length() == 2)
        return (right(partners[0]) && left(partners[1])) || (right(partners[1]) && left(partners[0]));
    return false;
}

CCrossDetail::~CCrossDetail() { TrevanCom_ClearAcDbEntityAcDbVoidPtrArray(m_plates); }

bool TrevanCom_ReadCrossDetail(const char* dwgPath, CCrossDetail& detail)
{
    ZcDbDatabase* pDb = nullptr;
    if (TrevanComARX_OpenDwg(dwgPath, pDb) == 0) return false;
    ZcDbObjectIdArray records, lines, plates;
    bool ok = collect(pDb, dwgPath, records, lines, plates) && copyOut(lines, plates, detail);
    if (ok) TrevanCom_ReadCrossDetailRecords(pDb, detail.m_records);
    TrevanComARX_FreeDwg(pDb);
    if (!ok) {
        TrevanCom_ClearAcDbEntityAcDbVoidPtrArray(detail.m_plates);
        detail.m_attrs.removeAll();
    }
    return ok;
}
