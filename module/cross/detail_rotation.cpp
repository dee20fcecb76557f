#include "cross/detail_rotation.h"

#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;

}  // namespace

double TrevanCom_CrossTurnAngle(const ZcGePoint3d& start, const ZcGePoint3d& end)
{
    double a = std::atan2(end.y - start.y, end.x - start.x);
    if (a < 0) a += 2 * kPi;
    const double up = kPi / 2 - a, down = 3 * kPi / 2 - a;
    return std::fabs(down) <= std::fabs(up) ? down : up;
}

ZcGeMatrix3d TrevanCom_CrossTurn(const ZcGePoint3d& start, const ZcGePoint3d& end, const ZcGePoint3d& crossPt)
{
    return ZcGeMatrix3d::rotation(TrevanCom_CrossTurnAngle(start, end), ZcGeVector3d::kZAxis, crossPt);
}
