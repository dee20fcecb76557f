#include "settings/test0522_command.h"

#include "settings/linetype_load.h"
#include "settings/registry_value.h"

void TrevanCom_Test0522()
{
    CString strFolder;
    if (!TrevanCom_GetAutoCADPath(strFolder)) strFolder.Empty();
    CString strMsg;
    strMsg.Format("\nACADのパス＝%s", static_cast<const char*>(strFolder));
    zcutPrintf("%s", static_cast<const char*>(strMsg));
    TrevanCom_LoadLineType("CENTER", zcdbHostApplicationServices()->workingDatabase());
}
