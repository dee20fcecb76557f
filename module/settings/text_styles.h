// The text styles a drawing offers, for the style lists of the text commands.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Appends the name of every text style of the drawing, in table order.
TREVANCOM_API void TrevanCom_GetTextStyleArray(CStringArray& names, ZcDbDatabase* pDb);
