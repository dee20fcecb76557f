// The kinds of layer a hull drawing is organised by, with the captions the user sees.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Appends the 25 kind codes ("SH", "DE", ... "DEFPOINTS") and their captions, in order.
TREVANCOM_API void TrevanComARX_GetTypeArray(CStringArray& codes, CStringArray& captions);
