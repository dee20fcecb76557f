// Coordinate systems. The user coordinate system is the world's here (WORLDUCS 1) and the
// display looks straight down on it, so UCS and display coordinates equal world ones;
// entity coordinate systems follow the arbitrary-axis rule of each entity's normal.
#pragma once

#include "db_database.h"
#include "zc_adsdefs.h"

ZRX_API bool zcdbUcsMatrix(ZcGeMatrix3d& mat, ZcDbDatabase* db = nullptr);
// from and to: RTSHORT 0 world, 1 user, 2 display, 3 paper-space display; RTENAME an
// entity's system; RT3DPOINT the system of that extrusion vector. disp non-zero moves a
// displacement (no translation).
ZRX_API int zcedTrans(const ads_point pt, const resbuf* from, const resbuf* to, int disp, ads_point result);
