// Comma lists: several names or handles carried in one string.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Appends the pieces of strSrc cut at every strSep to arr (which is not emptied first).
// Enclosing double quotes are dropped from a piece; there is always at least one piece.
// nNoCase non-zero compares the separator without regard to case.
TREVANCOM_API void TrevanComARX_MakeStrArray(const CString& strSrc, const CString& strSep, CStringArray& arr,
                                             int& nNoCase);
