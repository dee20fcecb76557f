// TRV_DWGTODXF: converts a folder of DWG drawings to DXF through the conversion dialog.
#pragma once

#include "zrx.h"

void TrevanCom_DwgToDxf();
