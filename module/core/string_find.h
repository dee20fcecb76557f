// Finding a text in a string array.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The index of the first element equal to the text ignoring case; -1 when there is none.
TREVANCOM_API int TrevanComARX_CStringFind(const CStringArray& strArray, const char* text);
