// The two line types stiffeners are drawn with, brought into the drawing before drawing.
#pragma once

#include "core/trevancom_export.h"

// Loads the front-side and back-side line types of STIFFSIZE.INI into the working drawing;
// a line type that cannot be loaded is reported with its name.
TREVANCOM_API void TrevanCom_LoadStiffLinetype();
