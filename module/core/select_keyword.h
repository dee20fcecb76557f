// Choosing one of a few keywords at the command line.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The prompt is followed by "<default>:" when a default is given (non-empty), by ":"
// otherwise. 5100 with the chosen keyword (or the default on Enter); 5000 on Enter without
// a default; -5002 on Esc, on any other answer and for an empty keyword list.
TREVANCOM_API int TrevanComARX_SelectKeyword(const CStringArray& keywords, const char* prompt,
                                             const char* defaultKeyword, CString& chosen);
