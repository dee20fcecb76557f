#include "drafting/frame_interpolation.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

ZcDbXline construction(const ZcGePoint3d& through, const ZcGeVector3d& direction)
{
    ZcDbXline line;
    line.setBasePoint(through);
    line.setUnitDir(direction);
    return line;
}

// The section's half-breadth at the level, with the side it lies on; false when the level
// does not meet it. Of several meetings the farthest wins, a later one on a tie.
bool halfBreadth(const ZcDbCurve& section, const ZcDbXline& level, const ZcGePoint3d& from, double& breadth,
                 ZcGeVector3d& side)
{
    ZcGePoint3dArray points;
    section.intersectWith(&level, ZcDb::kOnBothOperands, points);
    if (points.isEmpty()) return false;
    breadth = 0.0;
    for (int i = 0; i < points.length(); ++i) {
        const ZcGePoint3d across(points[i].x, from.y, 0.0);
        const double d = from.distanceTo(across);
        if (d < breadth) continue;
        breadth = d;
        ZcGeVector3d u = across - from;
        if (u.length() > 1e-4) side = u.normal();
    }
    return true;
}

}  // namespace

std::vector<ZcGePoint3d> TrevanCom_InterpolatedSection(const std::vector<FrameSample>& sections,
                                                       const ZcDbCurve& lineA, const ZcDbCurve& lineB,
                                                       int division, double newPosition, const ZcGePoint3d& from)
{
    std::vector<ZcGePoint3d> out;
    ZcGePoint3d a, b;
    if (division < 1 || lineA.getStartPoint(a) != Zcad::eOk || lineB.getStartPoint(b) != Zcad::eOk) return out;
    const double top = std::max(a.y, b.y), bottom = std::min(a.y, b.y);
    const double step = (top - bottom) / division;
    const ZcDbXline atPosition = construction(ZcGePoint3d(newPosition, 0, 0), ZcGeVector3d::kYAxis);
    // Levels by repeated subtraction, the bottom one kept despite rounding; lines at one
    // level give that level once.
    const int levels = step > 0.0 ? division : 0;
    double y = top;
    for (int level = 0; level <= levels && (y >= bottom || std::fabs(y - bottom) < 1e-5); ++level, y -= step) {
        const ZcDbXline across = construction(ZcGePoint3d(0, y, 0), ZcGeVector3d::kXAxis);
        ZcGePoint3dArray samples;
        ZcGeVector3d side(0, 0, 0);
        for (const FrameSample& s : sections) {
            double breadth = 0.0;
            if (halfBreadth(*s.section, across, from, breadth, side)) samples.append(ZcGePoint3d(s.position, breadth, 0));
        }
        if (samples.length() < 2) continue;
        ZcDbSpline curve(samples, 4, 0.0);
        ZcGePoint3dArray hit;
        curve.intersectWith(&atPosition, ZcDb::kOnBothOperands, hit);
        if (hit.isEmpty()) continue;
        out.emplace_back(from.x + hit[0].y * side.x, y, 0.0);
    }
    return out;
}
