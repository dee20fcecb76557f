// Lines, arrowheads and text of aligned and rotated dimensions.
#include "ent/dimension_graphics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "ent/plane_angle.h"
#include "geom/text_metrics.h"

namespace zrx::ent {

namespace {

// The extension-line origins dropped into the plane of the dimension line.
struct Frame {
    ZcGeVector3d normal;
    ZcGePoint3d p1, p2;
    ZcGeVector3d direction;  // the measuring direction
};

Frame frameOf(const LinearDimensionDefinition& def)
{
    Frame f;
    f.normal = def.normal.normal();
    const auto flat = [&](const ZcGePoint3d& p) { return p - f.normal * (p - def.dimLinePoint).dotProduct(f.normal); };
    f.p1 = flat(def.xLine1);
    f.p2 = flat(def.xLine2);
    f.direction = def.rotation ? directionInPlane(*def.rotation, f.normal) : (f.p2 - f.p1).normal();
    if (f.direction.isZeroLength()) f.direction = planeXAxis(f.normal);
    return f;
}

std::array<ZcGePoint3d, 3> arrowhead(const ZcGePoint3d& tip, const ZcGeVector3d& back, const ZcGeVector3d& normal,
                                     double size)
{
    const ZcGePoint3d base = tip + back * size;
    const ZcGeVector3d side = normal.crossProduct(back) * (size / 6.0);
    return {tip, base + side, base - side};
}

}  // namespace

double linearMeasurement(const LinearDimensionDefinition& def)
{
    const Frame f = frameOf(def);
    const ZcGeVector3d span = f.p2 - f.p1;
    return def.rotation ? std::fabs(span.dotProduct(f.direction)) : span.length();
}

std::string formatDistance(double value, int decimals)
{
    decimals = std::clamp(decimals, 0, 8);
    // Halves round away from zero, not to even as printf would.
    const double unit = std::pow(10.0, decimals);
    value = std::round(value * unit) / unit;
    // No "-0.00" for a value that rounds to nothing.
    if (value == 0.0) value = 0.0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string shownDimensionText(const std::string& userText, const std::string& measured)
{
    if (userText.empty()) return measured;
    if (userText == " ") return "";
    std::string out = userText;
    if (const size_t at = out.find("<>"); at != std::string::npos) out.replace(at, 2, measured);
    return out;
}

LinearDimensionGraphics layoutLinearDimension(const LinearDimensionDefinition& def)
{
    LinearDimensionGraphics g;
    const Frame f = frameOf(def);
    const zrxhost::DimVars& v = def.vars;
    const double scale = v.dimscale > 0.0 ? v.dimscale : 1.0;
    const double arrowSize = v.dimasz * scale;
    const double textHeight = v.dimtxt * scale;
    const double gap = v.dimgap * scale;

    // Extension lines run along the oblique angle when there is one, square to the
    // measuring direction otherwise, until they meet the dimension line.
    const ZcGeVector3d across = f.normal.crossProduct(f.direction);
    ZcGeVector3d extDir = def.oblique != 0.0 ? directionInPlane(def.oblique, f.normal) : across;
    if (std::fabs(extDir.dotProduct(across)) < 1e-9) extDir = across;
    const auto foot = [&](const ZcGePoint3d& p) {
        return p + extDir * ((def.dimLinePoint - p).dotProduct(across) / extDir.dotProduct(across));
    };
    const ZcGePoint3d f1 = foot(f.p1), f2 = foot(f.p2);
    for (const auto& [origin, end] : {std::pair{f.p1, f1}, std::pair{f.p2, f2}}) {
        const ZcGeVector3d out = (end - origin).dotProduct(extDir) >= 0.0 ? extDir : -extDir;
        g.extensionLines.push_back({origin + out * (v.dimexo * scale), end + out * (v.dimexe * scale)});
    }

    const double length = f1.distanceTo(f2);
    const ZcGeVector3d along = length > 0.0 ? (f2 - f1) / length : f.direction;
    const bool arrowsInside = length >= 2.0 * arrowSize;
    const ZcDbObjectId blocks[2] = {v.dimsah ? v.dimblk1 : v.dimblk, v.dimsah ? v.dimblk2 : v.dimblk};
    const std::pair<ZcGePoint3d, ZcGeVector3d> ends[2] = {{f1, arrowsInside ? along : -along},
                                                          {f2, arrowsInside ? -along : along}};
    for (int i = 0; i < 2; ++i) {
        const auto& [tip, back] = ends[i];
        if (!blocks[i].isNull() && !blocks[i].isErased()) g.arrowBlocks.push_back({blocks[i], tip, -back, f.normal, arrowSize});
        else g.arrowheads.push_back(arrowhead(tip, back, f.normal, arrowSize));
    }

    PlacedDimensionText& t = g.text;
    t.text = shownDimensionText(def.userText, formatDistance(linearMeasurement(def) * v.dimlfac, v.dimdec));
    t.height = textHeight;
    // Upright: text never reads downwards or from right to left.
    double angle = angleInPlane(along, f.normal);
    if (angle > std::numbers::pi / 2 + 1e-9 && angle <= 3 * std::numbers::pi / 2 + 1e-9) {
        angle = zrx::geom::normalizeAngle(angle + std::numbers::pi);
    }
    t.rotation = angle;
    const ZcGeVector3d textUp = f.normal.crossProduct(directionInPlane(angle, f.normal));
    const ZcGePoint3d middle = f1 + (f2 - f1) * 0.5;
    const double boxHalfHeight = 0.5 * (1.0 + zrx::geom::kDescent) * textHeight;
    if (def.textPosition) t.middle = *def.textPosition;
    else if (v.dimtad != 0) t.middle = middle + textUp * (gap + boxHalfHeight);
    else t.middle = middle;

    zrx::geom::TextPlacement placement;
    placement.alignmentPoint = t.middle;
    placement.normal = f.normal;
    placement.height = textHeight;
    placement.rotation = angle;
    placement.horizontal = zrx::geom::TextHorzMode::Middle;
    const zrx::geom::TextLayout layout = zrx::geom::layoutText(t.text, placement);
    t.box = layout.corners;

    // Centred default text breaks the dimension line around itself.
    const bool breakLine = !t.text.empty() && !def.textPosition && v.dimtad == 0;
    if (!breakLine) {
        g.dimensionLines.push_back({f1, f2});
    } else {
        const double half = 0.5 * layout.width + gap;
        const double mid = 0.5 * length;
        if (mid - half > 0.0) {
            g.dimensionLines.push_back({f1, f1 + along * (mid - half)});
            g.dimensionLines.push_back({f1 + along * (mid + half), f2});
        }
    }
    return g;
}

ZcDbExtents extentsOf(const LinearDimensionGraphics& g)
{
    ZcDbExtents ext;
    for (const std::vector<Segment>* lines : {&g.extensionLines, &g.dimensionLines}) {
        for (const Segment& s : *lines) {
            ext.addPoint(s.start);
            ext.addPoint(s.end);
        }
    }
    for (const auto& arrow : g.arrowheads) {
        for (const ZcGePoint3d& p : arrow) ext.addPoint(p);
    }
    for (const ArrowBlock& arrow : g.arrowBlocks) {
        ZcDbExtents blockExt;
        if (arrowReference(arrow)->getGeomExtents(blockExt) == Zcad::eOk) ext.addExt(blockExt);
        else ext.addPoint(arrow.tip);
    }
    if (!g.text.text.empty()) {
        for (const ZcGePoint3d& p : g.text.box) ext.addPoint(p);
    }
    return ext;
}

std::unique_ptr<ZcDbBlockReference> arrowReference(const ArrowBlock& arrow)
{
    auto ref = std::make_unique<ZcDbBlockReference>(arrow.tip, arrow.block);
    ref->setNormal(arrow.normal);
    ref->setRotation(angleInPlane(arrow.outward, arrow.normal));
    if (arrow.size > 0.0) ref->setScaleFactors(ZcGeScale3d(arrow.size));
    return ref;
}

}  // namespace zrx::ent
