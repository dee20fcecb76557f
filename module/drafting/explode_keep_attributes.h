// A block reference exploded with its attribute values kept as texts. Exported for the
// sibling modules, which define it as a LISP function.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Explodes the reference into model space; each attribute definition whose tag one of its
// attributes carries becomes a single-line text of that attribute's value. The reference
// is erased. False when it is no block reference, cannot be opened or exploded.
TREVANCOM_API bool TrevanCom_ExplodeKeepingAttributes(ZcDbObjectId refId);

// (ename) -> T or nil.
extern "C" TREVANCOM_API int TrevanComARX_InsertExplodeAdd();
