// The current user coordinate system of each drawing. Points typed at prompts and the points
// the prompt functions give back are in it, as on the platform; picks and selections find
// entities in the world after converting them.
#pragma once

#include "zrx/db_database.h"
#include "zrx/ge_matrix3d.h"

namespace zrxhost::ed {

// UCS to world of a drawing (the working one when db is null); identity until set.
const ZcGeMatrix3d& ucsOf(ZcDbDatabase* db = nullptr);
void setUcs(ZcDbDatabase* db, const ZcGeMatrix3d& ucsToWorld);
// True while the working drawing's UCS is the world (WORLDUCS 1).
bool ucsIsWorld();

ZcGePoint3d ucsToWorld(const ZcGePoint3d& p);
ZcGePoint3d worldToUcs(const ZcGePoint3d& p);

}  // namespace zrxhost::ed
