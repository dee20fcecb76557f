// The SDK's array typedefs for geometry values.
#pragma once

#include "zc_array.h"
#include "ge_point3d.h"

using ZcGePoint2dArray = ZcArray<ZcGePoint2d>;
using ZcGePoint3dArray = ZcArray<ZcGePoint3d>;
using ZcGeVector2dArray = ZcArray<ZcGeVector2d>;
using ZcGeVector3dArray = ZcArray<ZcGeVector3d>;
using ZcGeDoubleArray = ZcArray<double>;
using ZcGeIntArray = ZcArray<int>;
