// Coordinate-system conversions.
#include <cstring>

#include "editor/editor.h"
#include "zrx/ed_ucs.h"
#include "zrxhost/contract.h"
#include "db/stub.h"

namespace {

// The normal of an entity's own coordinate system; world Z for kinds without one.
ZcGeVector3d entityNormal(const ZcDbEntity* e)
{
    if (auto* x = ZcDbLine::cast(e)) return x->normal();
    if (auto* x = ZcDbCircle::cast(e)) return x->normal();
    if (auto* x = ZcDbArc::cast(e)) return x->normal();
    if (auto* x = ZcDbPolyline::cast(e)) return x->normal();
    if (auto* x = ZcDbText::cast(e)) return x->normal();
    if (auto* x = ZcDbPoint::cast(e)) return x->normal();
    if (auto* x = ZcDbBlockReference::cast(e)) return x->normal();
    if (auto* x = ZcDbDimension::cast(e)) return x->normal();
    if (auto* x = ZcDbLeader::cast(e)) return x->normal();
    return ZcGeVector3d::kZAxis;
}

// World to the system named by the buffer; false for one it does not name.
bool toSystem(const resbuf* rb, ZcGeMatrix3d& worldToSystem)
{
    if (rb == nullptr) return false;
    if (rb->restype == RTSHORT) {
        // World, user and both display systems coincide: plan view of the world.
        if (rb->resval.rint < 0 || rb->resval.rint > 3) return false;
        worldToSystem.setToIdentity();
        return true;
    }
    if (rb->restype == RT3DPOINT) {
        ZcGeVector3d n(rb->resval.rpoint[0], rb->resval.rpoint[1], rb->resval.rpoint[2]);
        if (n.isZeroLength()) return false;
        worldToSystem.setToWorldToPlane(n.normal());
        return true;
    }
    if (rb->restype == RTENAME) {
        ZcDbObjectId id;
        if (zcdbGetObjectId(id, rb->resval.rlname) != Zcad::eOk) return false;
        zrxhost::HostAccess access;
        ZcDbStub* s = id.stub();
        auto* e = s != nullptr && s->object != nullptr ? ZcDbEntity::cast(s->object) : nullptr;
        if (e == nullptr) return false;
        worldToSystem.setToWorldToPlane(entityNormal(e));
        return true;
    }
    return false;
}

}  // namespace

bool zcdbUcsMatrix(ZcGeMatrix3d& mat, ZcDbDatabase* /*db*/)
{
    mat.setToIdentity();
    return true;
}

int zcedTrans(const ads_point pt, const resbuf* from, const resbuf* to, int disp, ads_point result)
{
    ZcGeMatrix3d worldToFrom, worldToTo;
    if (pt == nullptr || result == nullptr || !toSystem(from, worldToFrom) || !toSystem(to, worldToTo)) return RTERROR;
    ZcGeMatrix3d m = worldToTo * worldToFrom.inverse();
    if (disp) {
        ZcGeVector3d v(pt[X], pt[Y], pt[Z]);
        v.transformBy(m);
        result[X] = v.x;
        result[Y] = v.y;
        result[Z] = v.z;
    } else {
        ZcGePoint3d p(pt[X], pt[Y], pt[Z]);
        p.transformBy(m);
        result[X] = p.x;
        result[Y] = p.y;
        result[Z] = p.z;
    }
    return RTNORM;
}
