// Turning a figure over about an axis of the current user coordinate system.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The half turn about the axis through the base point along the UCS X direction
// (UCSXDIR) when bAlongX, along its Y direction (UCSYDIR) otherwise. Always true.
TREVANCOM_API bool TrevanComARX_AcGeMatrix3dTransformMirror(const ZcGePoint3d& basePt, ZcGeMatrix3d& mat, bool bAlongX);
