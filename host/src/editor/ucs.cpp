// Coordinate-system conversions, the current UCS and the drawing window's pixels.
#include <cmath>
#include <cstring>

#include "editor/editor.h"
#include "editor/ucs_state.h"
#include "editor/view_state.h"
#include "zrx/ed_ucs.h"
#include "zrxhost/contract.h"
#include "db/stub.h"
#include "db/access.h"

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
        if (rb->resval.rint < 0 || rb->resval.rint > 3) return false;
        // The display looks straight down on the world, so both display systems are the
        // world's; the user system is the drawing's current UCS.
        if (rb->resval.rint == 1) {
            worldToSystem = zrxhost::ed::ucsOf().inverse();
        } else {
            worldToSystem.setToIdentity();
        }
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
        zrxhost::ObjectStub* s = zrxhost::stubOf(id);
        auto* e = s != nullptr && s->object != nullptr ? ZcDbEntity::cast(s->object) : nullptr;
        if (e == nullptr) return false;
        worldToSystem.setToWorldToPlane(entityNormal(e));
        return true;
    }
    return false;
}

}  // namespace

bool zcdbUcsMatrix(ZcGeMatrix3d& mat, ZcDbDatabase* db)
{
    mat = zrxhost::ed::ucsOf(db);
    return true;
}

Zcad::ErrorStatus zcedGetCurrentUCS(ZcGeMatrix3d& mat)
{
    if (zcdbHostApplicationServices()->workingDatabase() == nullptr) return Zcad::eNoDatabase;
    mat = zrxhost::ed::ucsOf();
    return Zcad::eOk;
}

Zcad::ErrorStatus zcedSetCurrentUCS(const ZcGeMatrix3d& mat)
{
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    if (db == nullptr) return Zcad::eNoDatabase;
    // A coordinate system: unit axes at right angles, right-handed, nothing projected.
    ZcGePoint3d origin;
    ZcGeVector3d x, y, z;
    mat.getCoordSystem(origin, x, y, z);
    const ZcGeTol& tol = ZcGeContext::gTol;
    bool unit = std::fabs(x.length() - 1.0) <= tol.equalVector() && std::fabs(y.length() - 1.0) <= tol.equalVector() &&
                std::fabs(z.length() - 1.0) <= tol.equalVector();
    bool projective = mat(3, 0) != 0.0 || mat(3, 1) != 0.0 || mat(3, 2) != 0.0 || mat(3, 3) != 1.0;
    if (!unit || projective || !x.isPerpendicularTo(y) || !z.isCodirectionalTo(x.crossProduct(y))) {
        return Zcad::eInvalidInput;
    }
    zrxhost::ed::setUcs(db, mat);
    return Zcad::eOk;
}

namespace {

constexpr int kModelViewport = 2;

// The drawing window fills the screen: pixel (0,0) is its top left corner, y grows down.
ZcGePoint3d pixelToWorld(const CPoint& pixel)
{
    const zrxhost::ed::ViewState& view = zrxhost::ed::viewOf(nullptr);
    double size = zrxhost::ed::pixelSize(nullptr);
    return {view.center.x + (pixel.x - zrxhost::ed::kScreenWidth / 2.0) * size,
            view.center.y + (zrxhost::ed::kScreenHeight / 2.0 - pixel.y) * size, 0.0};
}

}  // namespace

int zcedCoordFromPixelToWorld(int windnum, CPoint ptIn, ads_point ptOut)
{
    if (windnum != kModelViewport || ptOut == nullptr || zcdbHostApplicationServices()->workingDatabase() == nullptr) {
        return RTERROR;
    }
    ZcGePoint3d p = pixelToWorld(ptIn);
    ptOut[X] = p.x;
    ptOut[Y] = p.y;
    ptOut[Z] = p.z;
    return RTNORM;
}

bool zcedCoordFromPixelToWorld(const CPoint& ptIn, ZcGePoint3d& ptOut)
{
    if (zcdbHostApplicationServices()->workingDatabase() == nullptr) return false;
    ptOut = pixelToWorld(ptIn);
    return true;
}

bool zcedCoordFromWorldToPixel(int windnum, const ads_point ptIn, CPoint& ptOut)
{
    if (windnum != kModelViewport || ptIn == nullptr || zcdbHostApplicationServices()->workingDatabase() == nullptr) {
        return false;
    }
    const zrxhost::ed::ViewState& view = zrxhost::ed::viewOf(nullptr);
    double size = zrxhost::ed::pixelSize(nullptr);
    ptOut.x = static_cast<LONG>(std::lround((ptIn[X] - view.center.x) / size + zrxhost::ed::kScreenWidth / 2.0));
    ptOut.y = static_cast<LONG>(std::lround(zrxhost::ed::kScreenHeight / 2.0 - (ptIn[Y] - view.center.y) / size));
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
