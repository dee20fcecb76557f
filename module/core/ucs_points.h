// Points between the world and the current user coordinate system.
#pragma once

#include "zrx.h"

#include "core/trevancom_export.h"

// The point unchanged while the user system is the world (WORLDUCS 1).
TREVANCOM_API ZcGePoint3d TrevanComTransWtoU(const ZcGePoint3d& pt);
TREVANCOM_API ZcGePoint3d TrevanComTransUtoW(const ZcGePoint3d& pt);
