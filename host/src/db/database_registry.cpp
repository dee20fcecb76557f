// The databases alive in the process, found by the serial number entity names carry.
#include <algorithm>

#include "database_impl.h"

namespace zrxhost {
namespace {
std::deque<ZcDbDatabase*>& registry()
{
    static std::deque<ZcDbDatabase*> all;
    return all;
}
}  // namespace

const std::deque<ZcDbDatabase*>& liveDatabases() { return registry(); }

ZcDbDatabase* databaseBySerial(int64_t serial)
{
    for (ZcDbDatabase* db : registry()) {
        if (zrxhost::stateOf(db) != nullptr && zrxhost::stateOf(db)->serial() == serial) return db;
    }
    return nullptr;
}

void registerDatabase(ZcDbDatabase* db) { registry().push_back(db); }

void unregisterDatabase(ZcDbDatabase* db)
{
    auto& all = registry();
    all.erase(std::remove(all.begin(), all.end(), db), all.end());
}

}  // namespace zrxhost
