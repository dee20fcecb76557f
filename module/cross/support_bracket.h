// Support brackets of an intersection point: closed four-corner polylines on layer
// "SSS_CROSSPOINT", marked as brackets, with their side letter and the handle of their point.
// They are drawn from the point's detail drawing and rebuilt, never edited.
#pragma once

#include "zrx.h"

#define TREVANCOM_BRACKET_APP "CROSS_SUPPORTBRACKET"
#define TREVANCOM_BRACKET_AXIS_APP "CROSS_SUPPORTBRACKET_AXIS"
#define TREVANCOM_BRACKET_PARENT_APP "CROSS_SUPPORTBRACKET_PARENT_HanleName"

// Magenta: apart from the red and yellow actual-plate lines they lie against.
constexpr int kTrevanBracketColour = 6;

// Draws the point's brackets on side "R" or "L" in the point's drawing, from the plates of
// its detail drawing. False when the point, its members or its detail cannot be read (a
// detail lacking content says so in a message box) or the detail was made for a through
// member of another section; the point then keeps no brackets.
bool TrevanCom_MakeCrossSupportBracket(ZcDbObjectId pointId, const char* side, int colour);
