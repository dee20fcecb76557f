// Where a detail drawing is filed: ENDTYPE\{ship number}\{member combination}\{symbol}.dwg,
// a symbol being used once per ship whatever the combination.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

#include "records/stiff_data.h"

// The through member's shape letter and code, then each partner's, joined with "-"; a
// second partner named like the first adds nothing.
TREVANCOM_API CString TrevanCom_CrossCombinationName(const ZcArray<CStiffData>& records);
// The drawing's path, its folders made. False, with a message, when the ENDTYPE folder is
// not known or cannot be made, or a drawing of the ship already has the symbol.
TREVANCOM_API bool TrevanCom_CrossOutputPath(const CString& shipNo, const CString& combination, const CString& symbol,
                               CString& path);
