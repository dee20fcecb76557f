// The one way an object joins a database under an owner: it gets the next handle and
// stays open for write for the caller to close.
#include "database_impl.h"

namespace zrxhost {
ZcDbObjectId adopt(ZcDbDatabase* db, ZcDbObject* obj, ZcDbObjectId owner)
{
    return zrxhost::idOf(zrxhost::stateOf(db)->addObject(obj, owner));
}
}  // namespace zrxhost
