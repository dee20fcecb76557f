#include "cross/region_geometry.h"

#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;

bool samePoint(const ZcGePoint3d& a, const ZcGePoint3d& b)
{
    return std::fabs(a.x - b.x) < TREVANCOM_REGION_TOL && std::fabs(a.y - b.y) < TREVANCOM_REGION_TOL &&
           std::fabs(a.z - b.z) < TREVANCOM_REGION_TOL;
}

// The direction from a to b in [0, 2pi); a hair off 0 or 2pi counts as 0 so that an edge
// along +X never flips a whole turn.
double direction(const ZcGePoint3d& a, const ZcGePoint3d& b, double tol)
{
    double angle = std::atan2(b.y - a.y, b.x - a.x);
    if (angle < 0) angle += 2 * kPi;
    if (angle < tol || 2 * kPi - angle < tol) angle = 0;
    return angle;
}

bool inRange(double v, double lo, double hi) { return v >= lo && v <= hi; }

}  // namespace

int TrevanCom_PointOnSegment(const ZcGePoint3d& pt, const ZcGePoint3d& a, const ZcGePoint3d& b)
{
    if (samePoint(pt, a) || samePoint(pt, b)) return 1;
    const double length = a.distanceTo(b);
    if (length <= 0) return 0;
    const double dist = a.distanceTo(pt);
    const ZcGePoint3d reached = a + (b - a) * (dist / length);
    return samePoint(reached, pt) && dist < length ? 1 : 0;
}

int TrevanCom_PointInPolygon(const ZcGePoint3dArray& polygon, const ZcGePoint3d& pt, double tol)
{
    const int n = polygon.length();
    double sum = 0;
    for (int i = 0; i < n; ++i) {
        const ZcGePoint3d& a = polygon[i];
        const ZcGePoint3d& b = polygon[(i + 1) % n];
        if (TrevanCom_PointOnSegment(pt, a, b)) return 1;
        double turn = direction(pt, b, tol) - direction(pt, a, tol);
        if (turn > kPi) turn -= 2 * kPi;
        if (turn <= -kPi) turn += 2 * kPi;
        sum += turn;
    }
    return std::fabs(sum) >= tol ? 2 : 0;
}

bool TrevanCom_BoxOverlap(const ZcDbExtents& entityBox, const ZcDbExtents& regionBox, double tol)
{
    const ZcGePoint3d& e0 = entityBox.minPoint();
    const ZcGePoint3d& e1 = entityBox.maxPoint();
    const ZcGePoint3d& r0 = regionBox.minPoint();
    const ZcGePoint3d& r1 = regionBox.maxPoint();
    const bool inX = inRange(e0.x, r0.x - tol, r1.x + tol) || inRange(e1.x, r0.x - tol, r1.x + tol) ||
                     (r0.x > e0.x - tol && r0.x <= e1.x + tol);
    const bool inY = inRange(e0.y, r0.y - tol, r1.y + tol) || inRange(e1.y, r0.y - tol, r1.y + tol) ||
                     (r0.y > e0.y - tol && r0.y <= e1.y + tol);
    return inX && inY;
}

ZcGePoint3d TrevanCom_CurveMidPoint(const ZcDbCurve* pCurve)
{
    double endParam = 0, length = 0;
    ZcGePoint3d mid;
    pCurve->getEndParam(endParam);
    pCurve->getDistAtParam(endParam, length);
    pCurve->getPointAtDist(length / 2, mid);
    return mid;
}
