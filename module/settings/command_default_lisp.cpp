// Command defaults for LISP.
#include "settings/settings_lisp.h"

#include "core/lisp_args.h"
#include "settings/command_defaults.h"

int TrevanComARX_GetDefValue()
{
    TrevanLispArgs args;
    CString section;
    CString key;
    if (!args.str(section) || !args.str(key)) return args.fail();
    CString value;
    if (!TrevanComARX_GetCommandDefValue(section, key, value)) return TrevanLispArgs::retNil();
    return TrevanLispArgs::retStr(value);
}

int TrevanComARX_SetDefValue()
{
    TrevanLispArgs args;
    CString section;
    CString key;
    CString value;
    if (!args.str(section) || !args.str(key) || !args.str(value)) return args.fail();
    return TrevanLispArgs::retBool(TrevanComARX_SetCommandDefValue(section, key, value));
}
