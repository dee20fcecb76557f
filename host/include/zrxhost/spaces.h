// Model and paper space of a drawing, for host code, tools and tests that walk them without
// opening the block table (a plug-in asks the block table for ZCDB_MODEL_SPACE).
#pragma once

#include "zrx/db_database.h"

namespace zrxhost {

ZRX_API ZcDbObjectId modelSpaceId(const ZcDbDatabase* db);
ZRX_API ZcDbObjectId paperSpaceId(const ZcDbDatabase* db);

}  // namespace zrxhost
