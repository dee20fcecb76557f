// The entities of a selection set as object ids, in the set's order; names that no longer
// lead to an entity are left out.
#pragma once

#include "zrx.h"

ZcDbObjectIdArray TrevanSelectionIds(const ads_name ss);
