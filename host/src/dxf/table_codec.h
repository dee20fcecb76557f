// Records of the symbol tables the host models: layers, line types, text styles,
// dimension styles, applications and block records.
#pragma once

#include <string_view>

#include "db_symtab.h"
#include "dxf/entity_codec.h"

namespace zrx::dxf {

// Whether the host models the table of this group-2 name (and which class holds it).
ZcRxClass* modelledTableClass(std::string_view tableName);
// The record's subclass marker for a table.
const char* recordMarker(std::string_view tableName);
// A new record from the record's pairs; null when the record cannot be a host record (an
// empty name, as shape-file styles have) and must be kept as it is.
ZcDbSymbolTableRecord* readTableRecord(std::string_view tableName, Record& r, ReadContext& c);
// References of a record made resident to other objects, resolved once all exist.
void readRecordLinks(Record& r, ReadContext& c, const ZcDbSymbolTableRecord* rec);
// Everything after the owner: subclass markers, name and the record's data.
void writeTableRecord(ObjectOut& o, std::string_view tableName, const ZcDbSymbolTableRecord* rec, WriteContext& c);

}  // namespace zrx::dxf
