#include "records/record_xdata.h"

#include "core/single_xdata.h"
#include "core/xdata_presence.h"
#include "core/xdata_snapshot.h"
#include "QorComStd2002.h"
#include "settings/sys_dir.h"

bool TrevanCom_StdFilePath(const char* stdFile, CString& path)
{
    if (!TrevanComARX_GetSysDirFunc(path)) return false;
    path += stdFile;
    return true;
}

bool TrevanCom_WriteRecordList(ZcDbObjectId objId, const char* appName, const resbuf* list, const CString& entPath)
{
    if (list == nullptr) return false;
    ZcDbObjectPointer<ZcDbEntity> ent(objId, ZcDb::kForWrite);
    return ent.openStatus() == Zcad::eOk && TrevanCom_WriteRecordList(ent.object(), appName, list, entPath);
}

bool TrevanCom_WriteRecordList(ZcDbEntity* pEnt, const char* appName, const resbuf* list, const CString& entPath)
{
    if (pEnt == nullptr || list == nullptr) return false;
    const CXdataSnapshot before(pEnt);
    TrevanComARX_ClearXdata(pEnt, appName);
    if (QorComARX_Setxdata_List_NewVer(pEnt, appName, list, entPath)) return true;
    before.restore(pEnt);
    return false;
}

bool TrevanCom_ReadRecordList(const ZcDbEntity* pEnt, const char* appName, const char* stdFile,
                              const std::function<bool(const resbuf* list)>& parse)
{
    CString path;
    if (pEnt == nullptr || !TrevanCom_StdFilePath(stdFile, path)) return false;
    resbuf* list = QorComARX_Getxdata_List(pEnt, appName, path);
    if (list == nullptr) return TrevanComARX_HasXdata(pEnt, appName);
    const bool parsed = parse(list);
    zcutRelRb(list);
    return parsed;
}
