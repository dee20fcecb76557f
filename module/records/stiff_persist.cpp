// A stiffener record on its entity: the typed list goes to the sibling library, which
// lays it out as xdata as the installation's definition file says.
#include "core/single_xdata.h"
#include "core/str_split.h"
#include "core/xdata_presence.h"
#include "QorComStd2002.h"
#include "records/stiff_data.h"
#include "records/stiff_entity_geometry.h"
#include "records/stiff_list.h"
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

// Path, sides and list, the common start of both writes; null list when it cannot go on.
resbuf* prepareWrite(CStiffData& stiff, CString& path)
{
    if (!TrevanComARX_GetSysDirFunc(path)) return nullptr;
    path += kStiffEnt;
    completeSides(stiff);
    return TrevanCom_BuildStiffList(stiff);
}

}  // namespace

bool CStiffData::setStiffdata(ZcDbObjectId objId, const char* appName)
{
    CString path;
    resbuf* list = prepareWrite(*this, path);
    if (list == nullptr) return false;
    // A LISP caller finds the record as the pending result.
    zcedRetList(list);
    refreshScreen();
    {
        ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForWrite);
        if (ent.openStatus() != Zcad::eOk) {
            zcutRelRb(list);
            return false;
        }
        TrevanComARX_ClearXdata(ent.object(), appName);
    }
    refreshScreen();
    const bool written = QorComARX_Setxdata_List(objId, appName, list, path);
    zcutRelRb(list);
    if (!written) return false;
    refreshScreen();
    return true;
}

bool CStiffData::setStiffdata(ZcDbEntity* pEnt, const char* appName)
{
    if (pEnt == nullptr) return false;
    CString path;
    resbuf* list = prepareWrite(*this, path);
    if (list == nullptr) return false;
    TrevanComARX_ClearXdata(pEnt, appName);
    const bool written = QorComARX_Setxdata_List_NewVer(pEnt, appName, list, path);
    zcutRelRb(list);
    return written;
}

bool CStiffData::getStiffdata(ZcDbEntity* pEnt, const char* appName)
{
    if (pEnt == nullptr) return false;
    CString sysDir;
    if (!TrevanComARX_GetSysDirFunc(sysDir)) return false;
    resbuf* list = QorComARX_Getxdata_List(pEnt, appName, sysDir + kStiffEnt);
    if (list == nullptr) list = QorComARX_Getxdata_List(pEnt, appName, sysDir + kStiffOld);
    // Xdata that neither layout can read still marks the entity as a stiffener.
    if (list == nullptr) return TrevanComARX_HasXdata(pEnt, appName);
    const bool parsed = TrevanCom_ParseStiffList(list, *this);
    zcutRelRb(list);
    if (!parsed) return false;
    TrevanCom_ReadStiffGeometry(pEnt, *this);
    return true;
}
