#include "core/ucs_mirror.h"

#include <cmath>

namespace {

ZcGeVector3d ucsAxis(const char* name, const ZcGeVector3d& fallback)
{
    resbuf rb{};
    if (zcedGetVar(name, &rb) != RTNORM || rb.restype != RT3DPOINT) return fallback;
    ZcGeVector3d axis(rb.resval.rpoint[X], rb.resval.rpoint[Y], rb.resval.rpoint[Z]);
    return axis.isZeroLength() ? fallback : axis;
}

}  // namespace

bool TrevanComARX_AcGeMatrix3dTransformMirror(const ZcGePoint3d& basePt, ZcGeMatrix3d& mat, bool bAlongX)
{
    ZcGeVector3d axis = bAlongX ? ucsAxis("UCSXDIR", ZcGeVector3d::kXAxis) : ucsAxis("UCSYDIR", ZcGeVector3d::kYAxis);
    mat.setToRotation(M_PI, axis, basePt);
    return true;
}
