#include "records/stiff_entity_geometry.h"

namespace {

double drawingArrowSize()
{
    resbuf rb;
    if (zcedGetVar("DIMASZ", &rb) != RTNORM || rb.restype != RTREAL) return 0.0;
    return rb.resval.rreal;
}

void setNormal(CStiffData& stiff, const ZcGeVector3d& normal)
{
    stiff.m_rNormVecX = normal.x;
    stiff.m_rNormVecY = normal.y;
    stiff.m_rNormVecZ = normal.z;
}

}  // namespace

void TrevanCom_ReadStiffGeometry(const ZcDbEntity* pEnt, CStiffData& stiff)
{
    if (const ZcDbAlignedDimension* dim = ZcDbAlignedDimension::cast(pEnt)) {
        // The stiffener is the dimension line: its end sits at the dimension-line point and
        // its start one measured span back, parallel to the extension-line origins.
        stiff.m_ptEnd = dim->dimLinePoint();
        stiff.m_ptStart = dim->dimLinePoint() + (dim->xLine1Point() - dim->xLine2Point());
        stiff.m_rDimAsz = dim->dimasz();
        setNormal(stiff, dim->normal());
        return;
    }
    if (const ZcDbCurve* curve = ZcDbCurve::cast(pEnt)) {
        ZcGePoint3d s, e;
        if (curve->getStartPoint(s) != Zcad::eOk || curve->getEndPoint(e) != Zcad::eOk) return;
        stiff.m_ptStart = s;
        stiff.m_ptEnd = e;
        stiff.m_rDimAsz = drawingArrowSize();
        setNormal(stiff, ZcGeVector3d::kZAxis);
    }
}
