// What the editor shows: highlighting, temporary vectors and display updates. There is no
// screen; the state is kept so that commands behave as they do on the platform and tests
// can read it (zrxhost/display_state.h).
#pragma once

#include "zc_adsdefs.h"

// Modes: 1 redraw, 2 undraw, 3 highlight, 4 unhighlight. ent may be an entity or a
// selection set; a null ent with mode 1 redraws everything, which clears the temporary
// vectors of zcedGrDraw.
ZRX_API int zcedRedraw(const ads_name ent, int mode);
// A temporary vector in colour (ACI; -1 draws in XOR) and highlighted when hl is non-zero.
ZRX_API int zcedGrDraw(const ads_point from, const ads_point to, int color, int hl);
// Several temporary vectors: vlist holds pairs of points (RTPOINT or RT3DPOINT, UCS), each
// pair drawn in the colour of the last RTSHORT before it (7 until one is given; above 255
// XOR ink, below 0 highlighted), after mat (null for none) transforms them. RTERROR and
// nothing drawn for an unpaired point or an item of another type.
ZRX_API int zcedGrVecs(const resbuf* vlist, ads_matrix mat);
// Brings the display up to date: there is nothing to bring up to date headless.
ZRX_API void zcedUpdateDisplay();
