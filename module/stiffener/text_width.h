// How wide a single-line text would be in the working drawing, measured on a text that never
// enters it.
#pragma once

#include "zrx.h"

// The x extent of a text of that string, height and style at rotation 0; a style the drawing
// lacks leaves the text its default. 0 when the text has no extents (empty string, height 0).
double TrevanCom_TextWidth(const CString& strText, const CString& strStyle, double rHeight);
