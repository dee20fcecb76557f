// An entity as the group-code pairs the drawing file gives it, and pairs made into an
// entity, through the same codecs: what LISP's entget, entmod and entmake speak is exactly
// what a drawing file holds, each kind's codes defined once, by its codec.
#pragma once

#include <string>

#include "db_entity.h"
#include "db_symtab.h"
#include "dxf/tag.h"

namespace zrx::dxf {

// The pairs of a database-resident entity: 0 type, 5 handle, 330 owner, subclass markers,
// the kind's data, then its xdata from the first 1001. Points come as code, code+10,
// code+20. Empty for an entity the file writer cannot write.
KeptTags entityPairs(const ZcDbEntity* e);

// The pairs of a record of a table the host models ("LAYER", "LTYPE", "STYLE",
// "DIMSTYLE", "APPID"); empty for other tables.
KeptTags tableRecordPairs(std::string_view table, const ZcDbSymbolTableRecord* rec);

// A new entity, not yet resident, from pairs beginning with 0 (handle, owner and
// application groups are ignored). Null, with the reason, when the kind is not one the
// host models, a group the kind needs is missing, a value is not of its code's kind or an
// xdata application is not registered in db.
ZcDbEntity* entityFromPairs(ZcDbDatabase* db, const KeptTags& pairs, std::string& reason);

}  // namespace zrx::dxf
