#include "stiffener/stiff_text_point.h"

#include <cmath>

#include "records/stiff_exports.h"
#include "stiffener/text_width.h"

namespace {

const double kPi = 3.14159265358979323846;

// The stiffener's direction U, the side P the texts keep to, and the angle of U seen from
// the plane's X axis; reversed when that would have the texts read downwards.
struct TextFrame {
    ZcGeVector3d u;
    ZcGeVector3d p;
    double angle = 0.0;
    bool reversed = false;
};

bool frameOf(const CStiffData& stiff, TextFrame& frame)
{
    ZcGeVector3d n(stiff.m_rNormVecX, stiff.m_rNormVecY, stiff.m_rNormVecZ);
    ZcGeVector3d u = stiff.m_ptEnd - stiff.m_ptStart;
    if (n.isZeroLength() || u.isZeroLength()) return false;
    n.normalize();
    u.normalize();
    frame.u = u;
    frame.angle = n.perpVector().angleTo(u, n);
    const double a = frame.angle;
    // A line pointing up within the tolerance reads upward as it is.
    frame.reversed = a > kPi / 2 && std::fabs(a - kPi / 2) > 1e-5 && a <= 3 * kPi / 2;
    frame.p = u;
    frame.p.rotateBy(kPi / 2, n);
    return true;
}

double rotationOf(const TextFrame& frame) { return frame.reversed ? frame.angle - kPi : frame.angle; }

}  // namespace

bool TrevanComARX_GetStiffTextPoint(const CStiffData& stiff, const CString& strStyle, const double& rHeight,
                                    ZcGePoint3d& ptStart, ZcGePoint3d& ptEnd, double& rRotation)
{
    TextFrame f;
    if (!frameOf(stiff, f)) return false;
    const double h = rHeight;
    const double ws = TrevanCom_TextWidth(stiff.m_strEndTypeS, strStyle, h);
    const double we = TrevanCom_TextWidth(stiff.m_strEndTypeE, strStyle, h);
    if (f.reversed) {
        ptStart = stiff.m_ptStart + (ws + 0.25 * h) * f.u + 1.25 * h * f.p;
        ptEnd = stiff.m_ptEnd - (we - 0.25 * h) * f.u + 1.25 * h * f.p;
    } else {
        ptStart = stiff.m_ptStart + 0.25 * h * f.u + 0.25 * h * f.p;
        ptEnd = stiff.m_ptEnd - (we + 0.25 * h) * f.u + 0.25 * h * f.p;
    }
    rRotation = rotationOf(f);
    return true;
}

bool TrevanComARX_GetStiffTextPoint(const ZcDbObjectId& stiffId, const CString& strStyle, const double& rHeight,
                                    ZcGePoint3d& ptStart, ZcGePoint3d& ptEnd, double& rRotation)
{
    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(stiffId, stiff)) return false;
    return TrevanComARX_GetStiffTextPoint(stiff, strStyle, rHeight, ptStart, ptEnd, rRotation);
}

bool TrevanComARX_GetStiffNameTextPoint(const CStiffData& stiff, const CString& strStyle, const double& rHeight,
                                        ZcGePoint3d& ptText, double& rRotation)
{
    TextFrame f;
    if (!frameOf(stiff, f)) return false;
    const double h = rHeight;
    const double w = TrevanCom_TextWidth(stiff.m_strName, strStyle, h);
    const ZcGePoint3d middle = stiff.m_ptStart + f.u * (stiff.m_ptStart.distanceTo(stiff.m_ptEnd) / 2);
    if (f.reversed)
        ptText = middle + (w / 2) * f.u - 0.5 * h * f.p;
    else
        ptText = middle - (w / 2) * f.u - 1.25 * h * f.p;
    rRotation = rotationOf(f);
    return true;
}

bool TrevanComARX_GetStiffNameTextPoint(const ZcDbObjectId& stiffId, const CString& strStyle, const double& rHeight,
                                        ZcGePoint3d& ptText, double& rRotation)
{
    CStiffData stiff;
    if (!TrevanComARX_GetStiffdata(stiffId, stiff)) return false;
    return TrevanComARX_GetStiffNameTextPoint(stiff, strStyle, rHeight, ptText, rRotation);
}
