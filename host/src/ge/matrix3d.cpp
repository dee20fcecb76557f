// ZcGeMatrix3d: building, combining and inverting homogeneous transforms.
#include "zrx/ge_matrix3d.h"

#include "zrx/ge_plane.h"

#include <algorithm>
#include <cmath>
#include <utility>

const ZcGeMatrix3d ZcGeMatrix3d::kIdentity;

namespace {

ZcGeVector3d column(const ZcGeMatrix3d& m, unsigned int c) { return {m(0, c), m(1, c), m(2, c)}; }

void setColumn(ZcGeMatrix3d& m, unsigned int c, const ZcGeVector3d& v)
{
    m(0, c) = v.x;
    m(1, c) = v.y;
    m(2, c) = v.z;
}

}  // namespace

ZcGeMatrix3d ZcGeMatrix3d::operator*(const ZcGeMatrix3d& m) const
{
    ZcGeMatrix3d r;
    for (unsigned int i = 0; i < 4; ++i)
        for (unsigned int j = 0; j < 4; ++j) {
            double s = 0.0;
            for (unsigned int k = 0; k < 4; ++k) s += entry[i][k] * m.entry[k][j];
            r.entry[i][j] = s;
        }
    return r;
}

ZcGeMatrix3d& ZcGeMatrix3d::operator*=(const ZcGeMatrix3d& m) { return *this = *this * m; }

ZcGeMatrix3d& ZcGeMatrix3d::setToIdentity() { return *this = ZcGeMatrix3d(); }

ZcGeMatrix3d& ZcGeMatrix3d::setToProduct(const ZcGeMatrix3d& a, const ZcGeMatrix3d& b) { return *this = a * b; }

ZcGeMatrix3d& ZcGeMatrix3d::preMultBy(const ZcGeMatrix3d& left) { return *this = left * *this; }

ZcGeMatrix3d& ZcGeMatrix3d::postMultBy(const ZcGeMatrix3d& right) { return *this = *this * right; }

ZcGeMatrix3d& ZcGeMatrix3d::setToTranslation(const ZcGeVector3d& v)
{
    setToIdentity();
    return setTranslation(v);
}

ZcGeMatrix3d& ZcGeMatrix3d::setTranslation(const ZcGeVector3d& v)
{
    entry[0][3] = v.x;
    entry[1][3] = v.y;
    entry[2][3] = v.z;
    return *this;
}

ZcGeMatrix3d& ZcGeMatrix3d::setToRotation(double angle, const ZcGeVector3d& axis, const ZcGePoint3d& center)
{
    setToIdentity();
    // The images of the unit axes are the columns.
    for (unsigned int c = 0; c < 3; ++c) {
        ZcGeVector3d e;
        e[c] = 1.0;
        setColumn(*this, c, e.rotateBy(angle, axis));
    }
    return setTranslation(center - *this * center);
}

ZcGeMatrix3d& ZcGeMatrix3d::setToMirroring(const ZcGePoint3d& point) { return setToScaling(-1.0, point); }

ZcGeMatrix3d& ZcGeMatrix3d::setToMirroring(const ZcGePlane& plane)
{
    setToIdentity();
    const ZcGeVector3d n = plane.normal();
    for (unsigned int i = 0; i < 3; ++i)
        for (unsigned int j = 0; j < 3; ++j) entry[i][j] -= 2.0 * n[i] * n[j];
    return setTranslation(n * (2.0 * n.dotProduct(plane.pointOnPlane().asVector())));
}

ZcGeMatrix3d& ZcGeMatrix3d::setToScaling(double scale, const ZcGePoint3d& center)
{
    setToIdentity();
    for (unsigned int i = 0; i < 3; ++i) entry[i][i] = scale;
    return setTranslation(center.asVector() * (1.0 - scale));
}

ZcGeMatrix3d& ZcGeMatrix3d::setToAlignCoordSys(const ZcGePoint3d& fromOrigin, const ZcGeVector3d& fromXAxis,
                                               const ZcGeVector3d& fromYAxis, const ZcGeVector3d& fromZAxis,
                                               const ZcGePoint3d& toOrigin, const ZcGeVector3d& toXAxis,
                                               const ZcGeVector3d& toYAxis, const ZcGeVector3d& toZAxis)
{
    ZcGeMatrix3d from, to;
    from.setCoordSystem(fromOrigin, fromXAxis, fromYAxis, fromZAxis);
    to.setCoordSystem(toOrigin, toXAxis, toYAxis, toZAxis);
    return *this = to * from.inverse();
}

ZcGeMatrix3d& ZcGeMatrix3d::setToPlaneToWorld(const ZcGeVector3d& normal)
{
    const ZcGeVector3d n = normal.normal();
    const ZcGeVector3d ax = n.perpVector();
    return setCoordSystem(ZcGePoint3d::kOrigin, ax, n.crossProduct(ax), n);
}

ZcGeMatrix3d& ZcGeMatrix3d::setToPlaneToWorld(const ZcGePlane& plane)
{
    ZcGePoint3d origin;
    ZcGeVector3d u, v;
    plane.getCoordSystem(origin, u, v);
    return setCoordSystem(origin, u, v, plane.normal());
}

ZcGeMatrix3d& ZcGeMatrix3d::setToWorldToPlane(const ZcGeVector3d& normal) { return setToPlaneToWorld(normal).invert(); }

ZcGeMatrix3d& ZcGeMatrix3d::setToWorldToPlane(const ZcGePlane& plane) { return setToPlaneToWorld(plane).invert(); }

ZcGeMatrix3d& ZcGeMatrix3d::setCoordSystem(const ZcGePoint3d& origin, const ZcGeVector3d& xAxis,
                                           const ZcGeVector3d& yAxis, const ZcGeVector3d& zAxis)
{
    setToIdentity();
    setColumn(*this, 0, xAxis);
    setColumn(*this, 1, yAxis);
    setColumn(*this, 2, zAxis);
    return setTranslation(origin.asVector());
}

void ZcGeMatrix3d::getCoordSystem(ZcGePoint3d& origin, ZcGeVector3d& xAxis, ZcGeVector3d& yAxis,
                                  ZcGeVector3d& zAxis) const
{
    xAxis = column(*this, 0);
    yAxis = column(*this, 1);
    zAxis = column(*this, 2);
    origin = ZcGePoint3d::kOrigin + column(*this, 3);
}

ZcGeMatrix3d& ZcGeMatrix3d::invert()
{
    // Gauss-Jordan with partial pivoting; a singular matrix is left as it was.
    double a[4][8];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            a[i][j] = entry[i][j];
            a[i][j + 4] = i == j ? 1.0 : 0.0;
        }
    for (int c = 0; c < 4; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 4; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
        if (a[pivot][c] == 0.0) return *this;
        if (pivot != c)
            for (int j = 0; j < 8; ++j) std::swap(a[c][j], a[pivot][j]);
        const double p = a[c][c];
        for (int j = 0; j < 8; ++j) a[c][j] /= p;
        for (int r = 0; r < 4; ++r) {
            if (r == c || a[r][c] == 0.0) continue;
            const double f = a[r][c];
            for (int j = 0; j < 8; ++j) a[r][j] -= f * a[c][j];
        }
    }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) entry[i][j] = a[i][j + 4];
    return *this;
}

ZcGeMatrix3d ZcGeMatrix3d::inverse() const
{
    ZcGeMatrix3d m = *this;
    return m.invert();
}

ZcGeMatrix3d& ZcGeMatrix3d::transposeIt()
{
    for (unsigned int i = 0; i < 4; ++i)
        for (unsigned int j = i + 1; j < 4; ++j) std::swap(entry[i][j], entry[j][i]);
    return *this;
}

ZcGeMatrix3d ZcGeMatrix3d::transpose() const
{
    ZcGeMatrix3d m = *this;
    return m.transposeIt();
}

double ZcGeMatrix3d::det() const
{
    // Elimination on a copy; the sign flips with each row swap.
    double a[4][4];
    std::copy(&entry[0][0], &entry[0][0] + 16, &a[0][0]);
    double d = 1.0;
    for (int c = 0; c < 4; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 4; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
        if (a[pivot][c] == 0.0) return 0.0;
        if (pivot != c) {
            for (int j = 0; j < 4; ++j) std::swap(a[c][j], a[pivot][j]);
            d = -d;
        }
        d *= a[c][c];
        for (int r = c + 1; r < 4; ++r) {
            const double f = a[r][c] / a[c][c];
            for (int j = c; j < 4; ++j) a[r][j] -= f * a[c][j];
        }
    }
    return d;
}

bool ZcGeMatrix3d::isSingular(const ZcGeTol& tol) const { return std::fabs(det()) <= tol.equalPoint(); }

bool ZcGeMatrix3d::isScaledOrtho(const ZcGeTol& tol) const
{
    const ZcGeVector3d x = column(*this, 0), y = column(*this, 1), z = column(*this, 2);
    if (x.isZeroLength(tol) || y.isZeroLength(tol) || z.isZeroLength(tol)) return false;
    return x.isPerpendicularTo(y, tol) && y.isPerpendicularTo(z, tol) && z.isPerpendicularTo(x, tol);
}

bool ZcGeMatrix3d::isUniScaledOrtho(const ZcGeTol& tol) const
{
    if (!isScaledOrtho(tol)) return false;
    const double lx = column(*this, 0).length(), ly = column(*this, 1).length(), lz = column(*this, 2).length();
    // Relative, so a drawing-unit conversion of 1000 is judged like a scale of 1.
    const double limit = tol.equalVector() * std::max(1.0, lx);
    return std::fabs(lx - ly) <= limit && std::fabs(lx - lz) <= limit;
}

bool ZcGeMatrix3d::isEqualTo(const ZcGeMatrix3d& m, const ZcGeTol& tol) const
{
    for (unsigned int i = 0; i < 4; ++i)
        for (unsigned int j = 0; j < 4; ++j) {
            const double limit = (j == 3 && i < 3) ? tol.equalPoint() : tol.equalVector();
            if (std::fabs(entry[i][j] - m.entry[i][j]) > limit) return false;
        }
    return true;
}

double ZcGeMatrix3d::scale() const
{
    return std::max({column(*this, 0).length(), column(*this, 1).length(), column(*this, 2).length()});
}

ZcGeVector3d ZcGeMatrix3d::translation() const { return column(*this, 3); }

ZcGeMatrix3d ZcGeMatrix3d::translation(const ZcGeVector3d& v) { return ZcGeMatrix3d().setToTranslation(v); }

ZcGeMatrix3d ZcGeMatrix3d::rotation(double angle, const ZcGeVector3d& axis, const ZcGePoint3d& center)
{
    return ZcGeMatrix3d().setToRotation(angle, axis, center);
}

ZcGeMatrix3d ZcGeMatrix3d::mirroring(const ZcGePoint3d& point) { return ZcGeMatrix3d().setToMirroring(point); }

ZcGeMatrix3d ZcGeMatrix3d::mirroring(const ZcGePlane& plane) { return ZcGeMatrix3d().setToMirroring(plane); }

ZcGeMatrix3d ZcGeMatrix3d::scaling(double scale, const ZcGePoint3d& center)
{
    return ZcGeMatrix3d().setToScaling(scale, center);
}

ZcGeMatrix3d ZcGeMatrix3d::alignCoordSys(const ZcGePoint3d& fromOrigin, const ZcGeVector3d& fromXAxis,
                                         const ZcGeVector3d& fromYAxis, const ZcGeVector3d& fromZAxis,
                                         const ZcGePoint3d& toOrigin, const ZcGeVector3d& toXAxis,
                                         const ZcGeVector3d& toYAxis, const ZcGeVector3d& toZAxis)
{
    return ZcGeMatrix3d().setToAlignCoordSys(fromOrigin, fromXAxis, fromYAxis, fromZAxis, toOrigin, toXAxis,
                                             toYAxis, toZAxis);
}

ZcGeMatrix3d ZcGeMatrix3d::worldToPlane(const ZcGeVector3d& normal) { return ZcGeMatrix3d().setToWorldToPlane(normal); }

ZcGeMatrix3d ZcGeMatrix3d::worldToPlane(const ZcGePlane& plane) { return ZcGeMatrix3d().setToWorldToPlane(plane); }

ZcGeMatrix3d ZcGeMatrix3d::planeToWorld(const ZcGeVector3d& normal) { return ZcGeMatrix3d().setToPlaneToWorld(normal); }

ZcGeMatrix3d ZcGeMatrix3d::planeToWorld(const ZcGePlane& plane) { return ZcGeMatrix3d().setToPlaneToWorld(plane); }
