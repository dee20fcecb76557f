#include "stiffener/stiff_plate_line_find.h"

#include "core/all_stiffeners.h"
#include "core/handle_names.h"
#include "core/highlight.h"
#include "core/pick_entity.h"
#include "core/single_xdata.h"
#include "core/str_split.h"
#include "records/stiff_exports.h"
#include "records/stiff_read.h"
#include "stiffener/stiff_plate_lines.h"

namespace {

bool listedHandles(const CStiffData& stiff, CStringArray& handles)
{
    if (stiff.m_strCode.IsEmpty() || stiff.getThickLineNames().IsEmpty()) return false;
    int nNoCase = 0;
    TrevanComARX_MakeStrArray(stiff.getThickLineNames(), ",", handles, nNoCase);
    return true;
}

bool openableLines(const CStiffData& stiff, ZcDbObjectIdArray& lineIds)
{
    CStringArray handles;
    if (!listedHandles(stiff, handles)) return false;
    for (int i = 0; i < handles.GetSize(); ++i) {
        ZcDbObjectId id = TrevanComARX_GetObjid(handles[i]);
        ZcDbObjectPointer<ZcDbEntity> pLine(id, ZcDb::kForRead);
        if (pLine.openStatus() == Zcad::eOk) lineIds.append(id);
    }
    return true;
}

// The stored fields only: a display switch reads every stiffener's record for its lines.
bool readFields(const ZcDbEntity* pStiff, CStiffData& stiff)
{
    return TrevanCom_ReadStiffRecord(pStiff, TREVANCOM_STIFF_APP, stiff, false) != TrevanStiffRead::kNone;
}

bool readFields(ZcDbObjectId stiffId, CStiffData& stiff)
{
    ZcDbObjectPointer<ZcDbEntity> ent(stiffId, ZcDb::kForRead);
    return ent.openStatus() == Zcad::eOk && readFields(ent.object(), stiff);
}

}  // namespace

bool TrevanCom_CheckStiffLine(ZcDbObjectId stiffId, CStringArray& handles)
{
    CStiffData stiff;
    return readFields(stiffId, stiff) && listedHandles(stiff, handles);
}

bool TrevanCom_CheckStiffLine(ZcDbEntity* pStiff, ZcDbObjectIdArray& lineIds)
{
    CStiffData stiff;
    return pStiff != nullptr && readFields(pStiff, stiff) && openableLines(stiff, lineIds);
}

bool TrevanCom_CheckStiffLine(ZcDbObjectId stiffId, ZcDbObjectIdArray& lineIds)
{
    CStiffData stiff;
    return readFields(stiffId, stiff) && openableLines(stiff, lineIds);
}

// Whole entries only: a handle inside a longer one (1A in 21A) belongs to another line.
bool TrevanComARX_StiffJitsuitaLineSearch(const char* lineHandle, ZcDbObjectId& stiffId)
{
    stiffId = ZcDbObjectId::kNull;
    ZcDbObjectIdArray stiffIds;
    TrevanCom_GetAllStiffObjectIdArray(stiffIds);
    for (int i = 0; i < stiffIds.length(); ++i) {
        CStiffData stiff;
        if (!TrevanComARX_GetStiffdata(stiffIds[i], stiff) || stiff.getThickLineNames().IsEmpty()) continue;
        CStringArray handles;
        int nNoCase = 0;
        TrevanComARX_MakeStrArray(stiff.getThickLineNames(), ",", handles, nNoCase);
        for (int j = 0; j < handles.GetSize(); ++j) {
            if (handles[j].CompareNoCase(lineHandle) != 0) continue;
            stiffId = stiffIds[i];
            return true;
        }
    }
    return false;
}

bool TrevanComARX_SelectToStiffLineArray(const char* prompt, ZcDbObjectIdArray& lineIds)
{
    ZcDbObjectId lineId;
    if (TrevanComARX_SelectSingleEntity(lineId, prompt, nullptr, TREVANCOM_PLATE_LINE_APP) != 1) return false;
    CString strStiff;
    if (TrevanComARX_GetXdataStr(lineId, TREVANCOM_PLATE_LINE_APP, strStiff) != 1) return false;
    CStiffData stiff;
    TrevanComARX_GetStiffdata(TrevanComARX_GetObjid(strStiff), stiff);
    if (stiff.getThickLineNames().IsEmpty()) {
        zcutPrintf("\n実板またはモールド線が削除されています.");
        return false;
    }
    CStringArray handles;
    int nNoCase = 0;
    TrevanComARX_MakeStrArray(stiff.getThickLineNames(), ",", handles, nNoCase);
    for (int i = 0; i < handles.GetSize(); ++i) {
        ZcDbObjectId id;
        if (!TrevanComARX_GetObjid(handles[i], id) || id.isNull()) continue;
        TrevanComARX_HighLightObj(id, 1);
        lineIds.append(id);
    }
    return true;
}
