// The line type a layer of the working drawing is drawn with.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The name of the layer's line type; empty when the layer or its line type cannot be read.
TREVANCOM_API CString TrevanCom_GetLayerLintype(const CString& strLayer);
