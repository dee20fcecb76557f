// The dimension variables a dimension style update knows, each set from the text of a
// setting in the type the host gives that variable.
#pragma once

#include "zrx.h"

// False for a name the list lacks (compared without regard to case) and for a value the
// style refuses; the style is then left as it was for that variable.
bool TrevanCom_SetDimStyleVariable(ZcDbDimStyleTableRecord* pStyle, const char* name, const char* value);

// The drawing's current variable of that name set from the text, in the type the host
// reports for it; false when the host has no such variable or refuses the value.
bool TrevanCom_SetDimSystemVariable(const char* name, const char* value);
