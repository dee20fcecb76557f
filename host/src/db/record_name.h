// A record's name as the record holds it, for host code that reads records on its own
// behalf; "" for no record.
#pragma once

#include "db_symtab.h"

namespace zrxhost {

inline const char* recordName(const ZcDbSymbolTableRecord* record)
{
    const char* name = "";
    if (record != nullptr) record->getName(name);
    return name;
}

}  // namespace zrxhost
