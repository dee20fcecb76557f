// Ids of named table records: block definitions and text styles.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// 1 with the id when the block table of the database holds the name, else 0.
TREVANCOM_API int TrevanComARX_GetBlockRecordId(const char* blockName, ZcDbDatabase* pDb, ZcDbObjectId& blockId);
// False only when the text style table cannot be opened; the id is then what the table's
// lookup gives (a null id for a name it does not hold).
TREVANCOM_API bool TrevanComARX_GetTextStyleId(const char* styleName, ZcDbObjectId& styleId, ZcDbDatabase* pDb);
