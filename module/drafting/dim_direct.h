// Arrowheads of existing dimensions changed to the module's arrow blocks, by change type:
// 1 "<->" open arrows at both ends, 2 ">-<" turned-back arrows at both ends, 3 "->" an open
// arrow at the end nearer a picked direction point and none at the other, 4 ">->" an open
// arrow there and a turned-back one at the other.
#pragma once

#include "core/trevancom_export.h"

// Asks the change type, offering the last one run (QXCOMMON\Default.ini under the system
// folder, [DIMENSION] VALUE; 1 when none is kept), runs it and keeps the choice. Nothing
// without a system folder.
extern "C" TREVANCOM_API int TrevanComARX_DimDirect();
extern "C" TREVANCOM_API int TrevanComARX_DimDirect1();
extern "C" TREVANCOM_API int TrevanComARX_DimDirect2();
extern "C" TREVANCOM_API int TrevanComARX_DimDirect3();
extern "C" TREVANCOM_API int TrevanComARX_DimDirect4();
