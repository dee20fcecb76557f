// Selecting several entities with the host's selection prompt.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// With a prompt, the selection asks "\n<prompt>" for adding and "\n除外する<prompt>" for
// removing; without one (null), the host's own prompt. The filter (may be null) is a
// selection filter chain. The selected ids are appended; false when the selection was not
// completed (Esc, or nothing selected).
TREVANCOM_API bool TrevanComARX_SelectEntity(const char* prompt, const resbuf* filter, ZcDbObjectIdArray& objIds);
