// Regions: flat areas bounded by a closed loop of curves.
#pragma once

#include <memory>
#include <vector>

#include "db_curve.h"

class ZRX_API ZcDbRegion : public ZcDbEntity {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbRegion);
    ZcDbRegion() = default;
    ~ZcDbRegion() override;
    ZcDbRegion(const ZcDbRegion& other);
    ZcDbRegion& operator=(const ZcDbRegion&) = delete;
    ZcRxObject* clone() const override;

    // One region per closed loop: a closed curve is a loop of its own, and open curves are
    // joined end to end (either way round) into loops. The curves are copied; the new
    // regions belong to the caller. eInvalidInput when an entry is not a curve or some
    // curves close no loop, eDegenerateGeometry for a loop that is not flat or encloses
    // nothing; no region is made then.
    static Zcad::ErrorStatus createFromCurves(const ZcDbVoidPtrArray& curveSegments, ZcDbVoidPtrArray& regions);

    // A region made by the default constructor has no loop.
    bool isNull() const { assertReadEnabled(); return m_loop.empty(); }
    // The enclosed area, from the loop traced by chords no farther than a millionth of the
    // region's size from the curves; straight pieces are exact.
    Zcad::ErrorStatus getArea(double& area) const;
    Zcad::ErrorStatus getPerimeter(double& perimeter) const;
    // The normal of the region's plane, towards the positive side of the world axis it is
    // nearest to (+Z for a region drawn in the XY plane, whichever way its loop runs).
    Zcad::ErrorStatus getNormal(ZcGeVector3d& normal) const;
    Zcad::ErrorStatus getPlane(ZcGePlane& plane) const;

    Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
    // Every curve must take the transform; otherwise nothing changes.
    Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& xform) override;
    // Copies of the loop's curves, in loop order, the caller owning them.
    Zcad::ErrorStatus explode(ZcDbVoidPtrArray& entitySet) const override;

private:
    struct Edge {
        std::unique_ptr<ZcDbCurve> curve;
        bool reversed = false;  // the loop runs from the curve's end to its start
    };
    std::vector<Edge> m_loop;
    ZcGeVector3d m_normal{0, 0, 1};
};
