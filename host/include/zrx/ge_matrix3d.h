// ZcGeMatrix3d: a 4x4 homogeneous transform acting on column vectors (p' = M * p), so
// A * B applies B first.
#pragma once

#include "ge_point3d.h"

class ZRX_API ZcGeMatrix3d {
public:
    constexpr ZcGeMatrix3d() = default;  // identity

    static const ZcGeMatrix3d kIdentity;

    double operator()(unsigned int row, unsigned int column) const { return entry[row][column]; }
    double& operator()(unsigned int row, unsigned int column) { return entry[row][column]; }
    ZcGeMatrix3d operator*(const ZcGeMatrix3d& m) const;
    ZcGeMatrix3d& operator*=(const ZcGeMatrix3d& m);
    bool operator==(const ZcGeMatrix3d& m) const { return isEqualTo(m); }
    bool operator!=(const ZcGeMatrix3d& m) const { return !isEqualTo(m); }

    ZcGeMatrix3d& setToIdentity();
    ZcGeMatrix3d& setToProduct(const ZcGeMatrix3d& a, const ZcGeMatrix3d& b);
    ZcGeMatrix3d& preMultBy(const ZcGeMatrix3d& left);    // this = left * this
    ZcGeMatrix3d& postMultBy(const ZcGeMatrix3d& right);  // this = this * right
    ZcGeMatrix3d& setToTranslation(const ZcGeVector3d& v);
    ZcGeMatrix3d& setToRotation(double angle, const ZcGeVector3d& axis,
                                const ZcGePoint3d& center = ZcGePoint3d::kOrigin);
    ZcGeMatrix3d& setToMirroring(const ZcGePoint3d& point);  // point reflection
    ZcGeMatrix3d& setToMirroring(const ZcGePlane& plane);
    ZcGeMatrix3d& setToScaling(double scale, const ZcGePoint3d& center = ZcGePoint3d::kOrigin);
    ZcGeMatrix3d& setToAlignCoordSys(const ZcGePoint3d& fromOrigin, const ZcGeVector3d& fromXAxis,
                                     const ZcGeVector3d& fromYAxis, const ZcGeVector3d& fromZAxis,
                                     const ZcGePoint3d& toOrigin, const ZcGeVector3d& toXAxis,
                                     const ZcGeVector3d& toYAxis, const ZcGeVector3d& toZAxis);
    // Plane axes come from the arbitrary-axis rule applied to the normal, as for entity OCS.
    ZcGeMatrix3d& setToWorldToPlane(const ZcGeVector3d& normal);
    ZcGeMatrix3d& setToWorldToPlane(const ZcGePlane& plane);
    ZcGeMatrix3d& setToPlaneToWorld(const ZcGeVector3d& normal);
    ZcGeMatrix3d& setToPlaneToWorld(const ZcGePlane& plane);
    ZcGeMatrix3d& setCoordSystem(const ZcGePoint3d& origin, const ZcGeVector3d& xAxis,
                                 const ZcGeVector3d& yAxis, const ZcGeVector3d& zAxis);
    void getCoordSystem(ZcGePoint3d& origin, ZcGeVector3d& xAxis, ZcGeVector3d& yAxis,
                        ZcGeVector3d& zAxis) const;
    ZcGeMatrix3d& setTranslation(const ZcGeVector3d& v);

    ZcGeMatrix3d& invert();
    ZcGeMatrix3d inverse() const;
    ZcGeMatrix3d& transposeIt();
    ZcGeMatrix3d transpose() const;
    double det() const;
    bool isSingular(const ZcGeTol& tol = ZcGeContext::gTol) const;
    // Axes mutually perpendicular and of one common length (rotation, mirror, uniform scale).
    bool isUniScaledOrtho(const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isScaledOrtho(const ZcGeTol& tol = ZcGeContext::gTol) const;
    bool isEqualTo(const ZcGeMatrix3d& m, const ZcGeTol& tol = ZcGeContext::gTol) const;
    // Largest length of the images of the unit axes.
    double scale() const;
    ZcGeVector3d translation() const;

    static ZcGeMatrix3d translation(const ZcGeVector3d& v);
    static ZcGeMatrix3d rotation(double angle, const ZcGeVector3d& axis,
                                 const ZcGePoint3d& center = ZcGePoint3d::kOrigin);
    static ZcGeMatrix3d mirroring(const ZcGePoint3d& point);
    static ZcGeMatrix3d mirroring(const ZcGePlane& plane);
    static ZcGeMatrix3d scaling(double scale, const ZcGePoint3d& center = ZcGePoint3d::kOrigin);
    static ZcGeMatrix3d alignCoordSys(const ZcGePoint3d& fromOrigin, const ZcGeVector3d& fromXAxis,
                                      const ZcGeVector3d& fromYAxis, const ZcGeVector3d& fromZAxis,
                                      const ZcGePoint3d& toOrigin, const ZcGeVector3d& toXAxis,
                                      const ZcGeVector3d& toYAxis, const ZcGeVector3d& toZAxis);
    static ZcGeMatrix3d worldToPlane(const ZcGeVector3d& normal);
    static ZcGeMatrix3d worldToPlane(const ZcGePlane& plane);
    static ZcGeMatrix3d planeToWorld(const ZcGeVector3d& normal);
    static ZcGeMatrix3d planeToWorld(const ZcGePlane& plane);

    double entry[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
};
