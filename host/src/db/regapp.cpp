// Registering application names for xdata.
#include "db_database.h"

int zcdbRegApp(const char* appName)
{
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    if (db == nullptr || appName == nullptr || *appName == '\0') return RTERROR;
    ZcDbRegAppTable* table = nullptr;
    if (db->getRegAppTable(table, ZcDb::kForRead) != Zcad::eOk) return RTERROR;
    if (table->has(appName)) {
        table->close();
        return RTERROR;
    }
    table->upgradeOpen();
    auto* record = new ZcDbRegAppTableRecord;
    int result = RTERROR;
    if (record->setName(appName) == Zcad::eOk && table->add(record) == Zcad::eOk) {
        record->close();
        result = RTNORM;
    } else {
        delete record;
    }
    table->close();
    return result;
}
