// A table's record by name, opened as the kind of record the table holds.
#pragma once

#include "db_symtab.h"

namespace zrxhost {

template <class R>
Zcad::ErrorStatus openRecord(const ZcDbSymbolTable* table, const char* name, R*& record, ZcDb::OpenMode mode,
                             bool openErased)
{
    record = nullptr;
    ZcDbObjectId id;
    Zcad::ErrorStatus es = table->getAt(name, id, openErased);
    if (es != Zcad::eOk) return es;
    return zcdbOpenObject(record, id, mode, openErased);
}

}  // namespace zrxhost
