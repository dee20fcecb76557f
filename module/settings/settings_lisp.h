// The settings and folder services as LISP functions. The sibling modules define each under
// a LISP name of their own; the module only exports them under these names.
#pragma once

#include "core/trevancom_export.h"

// () -> the system folder (data folder) string, or nil with the folder file, its section
// and the key named on the command line.
extern "C" TREVANCOM_API int TrevanComARX_GetSysDir();
extern "C" TREVANCOM_API int TrevanComARX_GetDataDir();
// ("command" "key") -> the command default's value, or nil.
extern "C" TREVANCOM_API int TrevanComARX_GetDefValue();
// ("command" "key" "value") -> T when written (in upper case), or nil.
extern "C" TREVANCOM_API int TrevanComARX_SetDefValue();
// ("path" flag) -> T when the folder (flag not 0) or the file or pattern exists, else nil.
extern "C" TREVANCOM_API int TrevanComARX_FindFolder();
// ("folder") -> T when the folder existed and was deleted as far as it could be, else nil.
extern "C" TREVANCOM_API int TrevanComARX_DeleteFolder();
