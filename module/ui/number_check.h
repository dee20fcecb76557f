// The one rule both numeric controls keep their text to.
#pragma once

#include "zrx.h"

// Where the text stops being a number: the byte position of the first character that makes
// it invalid and that character's length in bytes, or -1 when the text is valid. figure is
// the number of decimals allowed (0: integers only); minus allows a leading "-".
int TrevanCom_FirstInvalidFigure(const CString& text, int figure, int minus, int& length);
