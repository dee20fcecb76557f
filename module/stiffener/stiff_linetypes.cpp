#include "stiffener/stiff_linetypes.h"

#include "settings/linetype_load.h"
#include "stiffener/stiff_ou.h"

void TrevanCom_LoadStiffLinetype()
{
    CString strFront, strBack;
    TrevanCom_GetStiffOU(strFront, strBack);
    ZcDbDatabase* pDb = zcdbHostApplicationServices()->workingDatabase();
    if (!TrevanCom_LoadLineType(strFront, pDb))
        zcutPrintf("\nスチフナの表用線種のロードに失敗しました.ロードしようとした線種=%s", static_cast<const char*>(strFront));
    if (!TrevanCom_LoadLineType(strBack, pDb))
        zcutPrintf("\nスチフナの裏用線種のロードに失敗しました.ロードしようとした線種=%s", static_cast<const char*>(strBack));
}
