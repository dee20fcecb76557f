// Making a layer as a layer definition describes it.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// Creates the layer, or updates the one of that name, with the colour index, line type
// (loaded first when the drawing lacks it) and line weight (hundredths of a millimetre, -3
// the default). strUnused is not read. 1 when the layer has these properties afterwards; a
// layer that cannot be written or added is reported.
TREVANCOM_API int TrevanComARX_MakeLayer(const CString& strLayer, int nColor, const CString& strLinetype,
                                         int nLineWeight, const CString& strUnused, ZcDbDatabase* pDb);
