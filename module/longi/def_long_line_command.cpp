#include "longi/def_long_line_command.h"

#include "core/single_xdata.h"
#include "core/string_find.h"
#include "longi/landing_curve_pick.h"
#include "longi/landing_default_name.h"
#include "longi/landing_line_names.h"

namespace {

// Asks until a name is given, Enter taking the default; false when the answer is refused
// (Esc among them).
bool askName(const CString& defaultName, CString& name)
{
    CString prompt;
    prompt.Format("\n外板ロンジランディング線名を入力<%s>:", static_cast<LPCTSTR>(defaultName));
    for (;;) {
        char answer[256] = "";
        if (zcedGetString(0, prompt, answer, sizeof answer) != RTNORM) return false;
        name = answer;
        if (name.IsEmpty()) name = defaultName;
        if (!name.IsEmpty()) return true;
    }
}

}  // namespace

void TrevanCom_DefLongLine()
{
    CStringArray names;
    TrevanCom_CollectLandingLineNames(names);
    const CString file = TrevanCom_LandingDefaultFile();
    CString defaultName = TrevanCom_ReadLandingDefault(file);

    ZcDbObjectId curveId;
    if (!TrevanCom_SelectLandingCurve(curveId)) return;
    for (;;) {
        CString name;
        if (!askName(defaultName, name)) return;
        defaultName = name;
        if (TrevanComARX_CStringFind(names, name) >= 0) {
            zcutPrintf("\n[%s]は既に登録されています", static_cast<LPCTSTR>(name));
            continue;
        }
        names.Add(name);
        TrevanCom_WriteLandingDefault(file, name);
        TrevanComARX_SetXdataStr(curveId, TREVAN_LANDING_NAME_APP, name);
        if (!TrevanCom_SelectLandingCurve(curveId)) return;
    }
}
