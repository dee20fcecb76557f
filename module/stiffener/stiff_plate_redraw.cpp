#include "stiffener/stiff_plate_redraw.h"

#include "core/delete_entity.h"
#include "core/handle_names.h"
#include "core/layer_status.h"
#include "core/visibility.h"
#include "records/stiff_exports.h"
#include "stiffener/stiff_plate_line_find.h"
#include "stiffener/stiff_plate_lines.h"
#include "stiffener/stiff_show_mode.h"

namespace {

void deleteGroup(ZcDbObjectId stiffId)
{
    ZcDbDictionary* pGroups = nullptr;
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    if (pDb->getGroupDictionary(pGroups, ZcDb::kForWrite) != Zcad::eOk) return;
    ZcDbObjectId groupId;
    const CString key = TrevanComARX_GetHandleName(stiffId);
    const bool found = pGroups->getAt(key, groupId) == Zcad::eOk;
    if (found) pGroups->remove(key);
    pGroups->close();
    if (!found) return;
    ZcDbObjectPointer<ZcDbGroup> pGroup(groupId, ZcDb::kForWrite);
    if (pGroup.openStatus() == Zcad::eOk) pGroup->erase();
}

// Shows every listed line; false when the list is empty or a line no longer resolves or
// cannot be opened. The record is read once, as this runs for every stiffener of a drawing.
bool showWholeLines(ZcDbObjectId stiffId)
{
    CStringArray handles;
    if (!TrevanCom_CheckStiffLine(stiffId, handles)) return false;
    for (int i = 0; i < handles.GetSize(); ++i) {
        if (!TrevanCom_ObjectVisibility(TrevanComARX_GetObjid(handles[i]), true)) return false;
    }
    return true;
}

// A line that no longer opens is passed over.
void showLines(ZcDbObjectId stiffId, bool bVisible)
{
    CStringArray handles;
    TrevanCom_CheckStiffLine(stiffId, handles);
    for (int i = 0; i < handles.GetSize(); ++i) TrevanCom_ObjectVisibility(TrevanComARX_GetObjid(handles[i]), bVisible);
}

}  // namespace

void TrevanCom_DeleteStiffJitsuita(ZcDbObjectId stiffId)
{
    ZcDbObjectIdArray lineIds;
    TrevanCom_CheckStiffLine(stiffId, lineIds);
    TrevanComARX_DeleteObj(lineIds);
}

bool TrevanCom_RedrawStiffJitsuita(ZcDbObjectId stiffId)
{
    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(stiffId, stiff)) return false;
    TrevanCom_DeleteStiffJitsuita(stiffId);
    deleteGroup(stiffId);
    stiff.setThickLineNames("");
    CLayerEditGuard guard(stiffId);
    if (!TrevanComARX_SetStiffdata(stiffId, stiff)) return false;
    TrevanCom_CreateJitsuitaLine(stiffId);
    if (TrevanCom_GetStiffShowMode()) showLines(stiffId, false);
    return true;
}

bool TrevanCom_MoldHyouji(const ZcDbObjectIdArray& stiffIds)
{
    for (int i = 0; i < stiffIds.length(); ++i) {
        showLines(stiffIds[i], false);
        TrevanComARX_StiffVisibility(stiffIds[i], true);
    }
    return !stiffIds.isEmpty();
}

bool TrevanCom_JitsuitaHyouji(const ZcDbObjectIdArray& stiffIds)
{
    for (int i = 0; i < stiffIds.length(); ++i) {
        const ZcDbObjectId stiffId = stiffIds[i];
        if (!showWholeLines(stiffId)) {
            deleteGroup(stiffId);
            TrevanCom_DeleteStiffJitsuita(stiffId);
            TrevanCom_CreateJitsuitaLine(stiffId);
            showLines(stiffId, true);
        }
        TrevanComARX_StiffVisibility(stiffId, false);
    }
    return true;
}
