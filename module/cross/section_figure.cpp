#include "cross/section_figure.h"

namespace {

using Outline = std::vector<ZcGePoint2d>;

// The mirror image about the vertical through x0, keeping the outline's orientation.
Outline mirrored(const Outline& outline, double x0)
{
    Outline out;
    for (size_t i = 0; i < outline.size(); ++i) {
        const ZcGePoint2d& p = outline[i == 0 ? 0 : outline.size() - i];
        out.push_back({2 * x0 - p.x, p.y});
    }
    return out;
}

Outline web(double x, double y, double t, double w) { return {{x, y}, {x - t, y}, {x - t, y - w}, {x, y - w}}; }

}  // namespace

void TrevanCom_CrossSideList(const CStiffData& through, CStringArray& sides)
{
    sides.RemoveAll();
    const CString flange = through.getStifffFlangeAxis();
    sides.Add(flange);
    sides.Add(through.getStiffItanigeAxis());
    const double sy = through.m_ptStart.y, ey = through.m_ptEnd.y;
    if (sy == ey) return;
    const bool up = sy < ey;
    sides.Add((flange == "R") == up ? "L" : "R");
}

std::vector<std::vector<ZcGePoint2d>> TrevanCom_CrossSectionOutlines(const CStiffData& through, const ZcGePoint3d& refPt,
                                                                    ZcGePoint3d& basePt)
{
    CStringArray sides;
    TrevanCom_CrossSideList(through, sides);
    const CString flange = sides[0], escape = sides[1];
    const bool up = through.m_ptStart.y < through.m_ptEnd.y;
    const bool down = through.m_ptStart.y > through.m_ptEnd.y;
    const double t = through.m_rWebThick, w = through.m_rWebWidth;
    const double b = through.m_rFaceWidth, f = through.m_rFaceThck;
    const CString& shape = through.m_strFType;

    // The web stands on the plate-escape side of the mould line.
    const bool webRight = (down && escape == "L") || (up && escape == "R");
    double x = refPt.x;
    const bool oneSided = shape == "LONG_F" || shape == "LONG_T" || shape == "L2";
    const bool angled = shape == "LONG_A" || shape == "LONG_B";
    if (oneSided && webRight) x = refPt.x + t;
    if (angled) {
        if ((up && flange == "L" && escape == "R") || (down && flange == "R" && escape == "L")) x = refPt.x + t;
        if ((up && flange == "R" && escape == "L") || (down && flange == "L" && escape == "R")) x = refPt.x - t;
    }
    if (shape == "LONG_I" || shape == "LONG_H") x = refPt.x + b / 2;
    const double y = refPt.y - 500;
    basePt = ZcGePoint3d(x, y, 0);

    std::vector<Outline> outlines;
    if (shape == "LONG_F") {
        outlines.push_back(web(x, y, t, w));
    } else if (shape == "LONG_A") {
        outlines.push_back({{x, y}, {x - b, y}, {x - b, y - f}, {x - t, y - f}, {x - t, y - w}, {x, y - w}});
    } else if (shape == "LONG_B") {
        outlines.push_back({{x, y}, {x - t - b, y}, {x - t, y - w}, {x, y - w}});
    } else if (shape == "LONG_I" || shape == "LONG_H") {
        const double inner = (b + t) / 2, outer = (b - t) / 2;
        outlines.push_back({{x, y}, {x - b, y}, {x - b, y - f}, {x - inner, y - f}, {x - inner, y - w + f},
                            {x - b, y - w + f}, {x - b, y - w}, {x, y - w}, {x, y - w + f}, {x - outer, y - w + f},
                            {x - outer, y - f}, {x, y - f}});
    } else if (oneSided) {
        const double c = (b - t) / 2;
        outlines.push_back(web(x, y, t, w));
        outlines.push_back({{x + c, y - f}, {x + c, y}, {x + c - b, y}, {x + c - b, y - f}});
    }
    if (angled && sides.GetSize() > 2 && sides[2] == "R") {
        for (Outline& o : outlines) o = mirrored(o, x);
    }
    return outlines;
}
