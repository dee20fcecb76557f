// TRV_TEST0522: a diagnostic for support staff, showing where the CAD is installed and
// whether the line type files can be read.
#pragma once

// Prints the CAD installation folder (nothing after the sign when it is not known) and
// loads the line type "CENTER" into the working drawing.
void TrevanCom_Test0522();
