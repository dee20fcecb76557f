// Line types of a drawing: whether it has one, and loading one from the line type files.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// True when the drawing's line type table holds the name (without regard to case).
TREVANCOM_API bool TrevanCom_SearchLinetype(const CString& strName, ZcDbDatabase* pDb);
// True when the drawing has the line type or it was loaded from the first line type file
// the host's file search finds: "Trevan.lin", then "acadiso.lin", then the CAD's own
// Support\acadiso.lin.
TREVANCOM_API bool TrevanCom_LoadLineType(const CString& strName, ZcDbDatabase* pDb);
