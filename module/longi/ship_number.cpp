#include "longi/ship_number.h"

#include "core/all_entities.h"
#include "core/single_xdata.h"

namespace {

bool firstValue(const ZcDbObjectIdArray& ids, const char* appName, CString& sno)
{
    for (int i = 0; i < ids.length(); ++i) {
        ZcDbObjectPointer<ZcDbPoint> point(ids[i], ZcDb::kForRead);
        if (point.openStatus() != Zcad::eOk) continue;
        CString value;
        if (TrevanComARX_GetXdataStr(point.object(), appName, value) == 1) {
            sno = value;
            return true;
        }
    }
    return false;
}

}  // namespace

bool TrevanCom_GetSno(CString& sno)
{
    sno.Empty();
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    ZcDbObjectIdArray ids;
    if (pDb == nullptr || !TrevanCom_GetAllObjectIdArray(pDb, ids, "SNO,SNOVAL")) return false;
    return firstValue(ids, "SNO", sno) || firstValue(ids, "SNOVAL", sno);
}
