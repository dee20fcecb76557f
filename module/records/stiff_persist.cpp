// A stiffener record on its entity: the typed list goes to the sibling library, which
// lays it out as xdata as the installation's definition file says.
#include <cmath>
#include <optional>

#include "core/single_xdata.h"
#include "core/str_split.h"
#include "core/xdata_presence.h"
#include "core/xdata_snapshot.h"
#include "QorComStd2002.h"
#include "records/stiff_data.h"
#include "records/stiff_entity_geometry.h"
#include "records/stiff_list.h"
#include "records/stiff_read.h"
#include "settings/sys_dir.h"

namespace {

// The current layout, used for every write and tried first on every read.
const char* const kStiffEnt = "\\STD\\stiff.ent";
// The layout of older drawings: read only.
const char* const kStiffOld = "\\STD\\STIFF.OLD1";

// Older code wrote a lone side letter; the list always carries "itanige,flange".
void completeSides(CStiffData& stiff)
{
    CStringArray pieces;
    int noCase = 1;
    TrevanComARX_MakeStrArray(stiff.m_strItanige, ",", pieces, noCase);
    if (pieces.GetSize() < 2) stiff.m_strItanige = stiff.getStiffItanigeAxis() + "," + stiff.getStifffFlangeAxis();
}

void refreshScreen()
{
    if (ZcTransactionManager* tm = zctrTransactionManager) tm->flushGraphics();
    zcedUpdateDisplay();
}

bool storedRealsFinite(const CStiffData& s)
{
    for (double real : {s.m_rWebWidth, s.m_rWebThick, s.m_rFaceWidth, s.m_rFaceThck, s.m_rCornerR1, s.m_rCornerR2,
                        s.m_rRes1, s.m_rRes2, s.m_rWeight, s.m_rNewRes1, s.m_rNewRes2}) {
        if (!std::isfinite(real)) return false;
    }
    return true;
}

// Path, sides and list, the common start of both writes; false when it cannot go on.
bool prepareWrite(CStiffData& stiff, CString& path, CRecordList& list)
{
    if (!storedRealsFinite(stiff) || !TrevanComARX_GetSysDirFunc(path)) return false;
    path += kStiffEnt;
    completeSides(stiff);
    TrevanCom_BuildStiffList(stiff, list);
    return true;
}

}  // namespace

bool CStiffData::setStiffdata(ZcDbObjectId objId, const char* appName)
{
    CString path;
    CRecordList list;
    if (!prepareWrite(*this, path, list)) return false;
    // A LISP caller finds the record as the pending result.
    zcedRetList(list.chain());
    refreshScreen();
    std::optional<CXdataSnapshot> before;
    {
        ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForWrite);
        if (ent.openStatus() != Zcad::eOk) return false;
        before.emplace(ent.object());
        TrevanComARX_ClearXdata(ent.object(), appName);
    }
    refreshScreen();
    const bool written = QorComARX_Setxdata_List(objId, appName, list.chain(), path);
    if (!written) {
        // A refused record must not cost the stiffener the one it had.
        before->restore(objId);
        return false;
    }
    refreshScreen();
    return true;
}

bool CStiffData::setStiffdata(ZcDbEntity* pEnt, const char* appName)
{
    if (pEnt == nullptr) return false;
    CString path;
    CRecordList list;
    if (!prepareWrite(*this, path, list)) return false;
    const CXdataSnapshot before(pEnt);
    TrevanComARX_ClearXdata(pEnt, appName);
    const bool written = QorComARX_Setxdata_List_NewVer(pEnt, appName, list.chain(), path);
    if (!written) before.restore(pEnt);
    return written;
}

TrevanStiffRead TrevanCom_ReadStiffRecord(const ZcDbEntity* pEnt, const char* appName, CStiffData& stiff, bool geometry)
{
    if (pEnt == nullptr) return TrevanStiffRead::kNone;
    CString sysDir;
    if (!TrevanComARX_GetSysDirFunc(sysDir)) return TrevanStiffRead::kNone;
    resbuf* list = QorComARX_Getxdata_List(pEnt, appName, sysDir + kStiffEnt);
    if (list == nullptr) {
        // Most entities a walk meets carry no record at all.
        if (!TrevanComARX_HasXdata(pEnt, appName)) return TrevanStiffRead::kNone;
        list = QorComARX_Getxdata_List(pEnt, appName, sysDir + kStiffOld);
        if (list == nullptr) return TrevanStiffRead::kUnreadable;
    }
    const bool parsed = TrevanCom_ParseStiffList(list, stiff);
    zcutRelRb(list);
    if (!parsed) return TrevanStiffRead::kNone;
    if (geometry) TrevanCom_ReadStiffGeometry(pEnt, stiff);
    return TrevanStiffRead::kRead;
}

bool CStiffData::getStiffdata(ZcDbEntity* pEnt, const char* appName)
{
    // Xdata that neither layout can read still marks the entity as a stiffener.
    return TrevanCom_ReadStiffRecord(pEnt, appName, *this) != TrevanStiffRead::kNone;
}
