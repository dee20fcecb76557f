// Coordinate systems. Each drawing has a current user coordinate system (UCS), the world
// until a plug-in sets another; points typed at prompts and the points the prompt functions
// give back are UCS points, as on the platform. The display looks straight down on the world,
// so display coordinates equal world ones; entity coordinate systems follow the
// arbitrary-axis rule of each entity's normal. WORLDUCS, UCSORG, UCSXDIR and UCSYDIR follow
// the current UCS.
#pragma once

#include "db_database.h"
#include "mfc_point.h"
#include "zc_adsdefs.h"

// The UCS as the matrix taking UCS coordinates to world ones.
ZRX_API bool zcdbUcsMatrix(ZcGeMatrix3d& mat, ZcDbDatabase* db = nullptr);
// The working drawing's current UCS; eNoDatabase without one.
ZRX_API Zcad::ErrorStatus zcedGetCurrentUCS(ZcGeMatrix3d& mat);
// Makes the matrix (UCS to world) the working drawing's UCS. eInvalidInput unless its axes
// are of unit length, at right angles and right-handed, with no projection.
ZRX_API Zcad::ErrorStatus zcedSetCurrentUCS(const ZcGeMatrix3d& mat);
// from and to: RTSHORT 0 world, 1 user, 2 display, 3 paper-space display; RTENAME an
// entity's system; RT3DPOINT the system of that extrusion vector. disp non-zero moves a
// displacement (no translation).
ZRX_API int zcedTrans(const ads_point pt, const resbuf* from, const resbuf* to, int disp, ads_point result);

// Pixels of the drawing window (viewport 2, which fills the screen: (0,0) is its top left
// corner, y grows downwards) and world points on the XY plane under them, through the
// drawing's current view. RTERROR / false for another viewport or without a drawing.
ZRX_API int zcedCoordFromPixelToWorld(int windnum, CPoint ptIn, ads_point ptOut);
ZRX_API bool zcedCoordFromPixelToWorld(const CPoint& ptIn, ZcGePoint3d& ptOut);
ZRX_API bool zcedCoordFromWorldToPixel(int windnum, const ads_point ptIn, CPoint& ptOut);
