// The ship number a drawing carries on its point entities.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The first string of "SNO" on a point entity of model space, else the first of "SNOVAL";
// false, and the text empty, when no point carries one.
TREVANCOM_API bool TrevanCom_GetSno(CString& sno);
