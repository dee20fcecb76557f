// Folder presence and deletion for LISP. Bad arguments give nil without a message.
#include "settings/settings_lisp.h"

#include "core/lisp_args.h"
#include "settings/folder_utils.h"

int TrevanComARX_FindFolder()
{
    TrevanLispArgs args(TrevanLispArgs::kSilent);
    CString path;
    int bFolder = 0;
    if (!args.str(path) || !args.integer(bFolder)) return args.fail();
    return TrevanLispArgs::retBool(TrevanComARX_FindFolder(path, bFolder) == 1);
}

int TrevanComARX_DeleteFolder()
{
    TrevanLispArgs args(TrevanLispArgs::kSilent);
    CString folder;
    if (!args.str(folder)) return args.fail();
    // What could not be deleted stays on disk for the user to see; LISP is not told.
    CStringArray failures;
    return TrevanLispArgs::retBool(TrevanComARX_DeleteFolder(folder, failures) != 0);
}
