#include "stiffener/stiff_label_lisp.h"

#include "core/lisp_args.h"
#include "stiffener/stiff_label.h"

int TrevanComARX_MakeStiffText()
{
    TrevanLispArgs args;
    ZcDbObjectId objId;
    if (!args.entity(objId)) return args.fail();
    CString strAppName;
    if (!args.str(strAppName)) strAppName = "STIFF";
    CString strLabel = TrevanCom_MakeStiffText(objId, strAppName);
    if (strLabel.IsEmpty()) return TrevanLispArgs::retNil();
    return TrevanLispArgs::retStr(strLabel);
}
