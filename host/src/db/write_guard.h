// The one place the open protocol asks someone outside the database whether a write open
// may go ahead. The documents layer answers it: on the platform a drawing that a document
// manages can only be changed while that document is locked.
#pragma once

#include "db_status.h"

class ZcDbDatabase;

namespace zrxhost {

// eOk to let the write open go ahead; any other status is what the open fails with.
using WriteOpenGuard = Zcad::ErrorStatus (*)(const ZcDbDatabase* db);

// Null (the default) lets every write open through: a database on its own has no locks.
void setWriteOpenGuard(WriteOpenGuard guard);
Zcad::ErrorStatus checkWriteOpen(const ZcDbDatabase* db);

}  // namespace zrxhost
