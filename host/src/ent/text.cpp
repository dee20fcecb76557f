// ZcDbText: single-line text placed, measured and transformed by the host's text metric model.
#include "db_text.h"

#include <utility>

#include "db_database.h"
#include "ent/plane_angle.h"
#include "ent/text_layout.h"
#include "zc_resbuf.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbText, ZcDbEntity, "AcDbText", "TEXT")
ZCRX_DEFINE_CLONE(ZcDbText)

namespace {

bool isSpanned(ZcDb::TextHorzMode h) { return h == ZcDb::kTextAlign || h == ZcDb::kTextFit; }

}  // namespace

zrx::geom::TextLayout zrxent::textLayoutOf(const ZcDbText& t, double heightWhenZero)
{
    zrx::geom::TextPlacement p;
    p.position = t.position();
    p.alignmentPoint = t.alignmentPoint();
    p.normal = t.normal();
    p.height = t.height() > 0.0 ? t.height() : heightWhenZero;
    p.rotation = t.rotation();
    p.widthFactor = t.widthFactor();
    p.horizontal = static_cast<zrx::geom::TextHorzMode>(t.horizontalMode());
    p.vertical = static_cast<zrx::geom::TextVertMode>(t.verticalMode());
    return zrx::geom::layoutText(t.textStringConst(), p);
}

ZcDbText::ZcDbText(const ZcGePoint3d& position, const char* text, ZcDbObjectId style, double height, double rotation)
    : m_position(position), m_rotation(rotation), m_height(height), m_text(text == nullptr ? "" : text), m_style(style)
{
}

void ZcDbText::copyTextFrom(const ZcDbText& other)
{
    assertWriteEnabled();
    other.assertReadEnabled();
    m_position = other.m_position;
    m_alignment = other.m_alignment;
    m_normal = other.m_normal;
    m_thickness = other.m_thickness;
    m_oblique = other.m_oblique;
    m_rotation = other.m_rotation;
    m_height = other.m_height;
    m_widthFactor = other.m_widthFactor;
    m_generation = other.m_generation;
    m_horizontal = other.m_horizontal;
    m_vertical = other.m_vertical;
    m_text = other.m_text;
    m_style = other.m_style;
}

bool ZcDbText::isDefaultAlignment() const
{
    assertReadEnabled();
    return m_horizontal == ZcDb::kTextLeft && m_vertical == ZcDb::kTextBase;
}

Zcad::ErrorStatus ZcDbText::setNormal(const ZcGeVector3d& n)
{
    assertWriteEnabled();
    if (n.isZeroLength()) return Zcad::eInvalidInput;
    m_normal = n.normal();
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbText::setRotation(double angle)
{
    assertWriteEnabled();
    m_rotation = angle;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbText::setHeight(double h)
{
    assertWriteEnabled();
    if (!(h > 0.0)) return Zcad::eInvalidInput;
    m_height = h;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbText::setWidthFactor(double f)
{
    assertWriteEnabled();
    if (!(f > 0.0)) return Zcad::eInvalidInput;
    m_widthFactor = f;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbText::mirrorInX(bool mirror)
{
    assertWriteEnabled();
    m_generation = static_cast<uint8_t>(mirror ? (m_generation | 2) : (m_generation & ~2));
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbText::mirrorInY(bool mirror)
{
    assertWriteEnabled();
    m_generation = static_cast<uint8_t>(mirror ? (m_generation | 4) : (m_generation & ~4));
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbText::setHorizontalMode(ZcDb::TextHorzMode mode)
{
    assertWriteEnabled();
    if (mode < ZcDb::kTextLeft || mode > ZcDb::kTextFit) return Zcad::eInvalidInput;
    m_horizontal = mode;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbText::setVerticalMode(ZcDb::TextVertMode mode)
{
    assertWriteEnabled();
    if (mode < ZcDb::kTextBase || mode > ZcDb::kTextTop) return Zcad::eInvalidInput;
    m_vertical = mode;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbText::adjustAlignment(const ZcDbDatabase* /*db*/)
{
    assertWriteEnabled();
    if (isDefaultAlignment()) return Zcad::eOk;
    const zrx::geom::TextLayout layout = zrxent::textLayoutOf(*this);
    if (!isSpanned(m_horizontal)) m_position = layout.origin;
    if (m_horizontal == ZcDb::kTextAlign && layout.height > 0.0) m_height = layout.height;
    return Zcad::eOk;
}

char* ZcDbText::textString() const
{
    assertReadEnabled();
    char* out = nullptr;
    zcutNewString(m_text.c_str(), out);
    return out;
}

Zcad::ErrorStatus ZcDbText::setTextString(const char* text)
{
    assertWriteEnabled();
    if (text == nullptr) return Zcad::eInvalidInput;
    m_text = text;
    return Zcad::eOk;
}

ZcDbObjectId ZcDbText::textStyle() const
{
    assertReadEnabled();
    if (!m_style.isNull()) return m_style;
    ZcDbDatabase* db = database();
    return db != nullptr ? db->textstyle() : ZcDbObjectId();
}

Zcad::ErrorStatus ZcDbText::setTextStyle(ZcDbObjectId styleId)
{
    assertWriteEnabled();
    if (styleId.isNull()) return Zcad::eNullObjectId;
    ZcRxClass* c = styleId.objectClass();
    if (c == nullptr || !c->isDerivedFrom(ZcDbTextStyleTableRecord::desc())) return Zcad::eWrongObjectType;
    if (database() != nullptr && styleId.database() != database()) return Zcad::eWrongDatabase;
    m_style = styleId;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbText::getGeomExtents(ZcDbExtents& extents) const
{
    assertReadEnabled();
    const zrx::geom::TextLayout layout = zrxent::textLayoutOf(*this);
    if (!(layout.width > 0.0) || !(layout.height > 0.0)) return Zcad::eInvalidExtents;
    const bool fromPosition = isSpanned(m_horizontal) || isDefaultAlignment();
    const ZcGePoint3d reference = fromPosition ? m_position : m_alignment;
    extents = ZcDbExtents();
    for (ZcGePoint3d corner : layout.corners) {
        const ZcGeVector3d v = corner - reference;
        if (isMirroredInX()) corner -= layout.direction * (2.0 * v.dotProduct(layout.direction));
        if (isMirroredInY()) corner -= layout.up * (2.0 * v.dotProduct(layout.up));
        extents.addPoint(corner);
        if (m_thickness != 0.0) extents.addPoint(corner + m_normal * m_thickness);
    }
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbText::transformBy(const ZcGeMatrix3d& xform)
{
    assertWriteEnabled();
    const zrx::geom::TextLayout layout = zrxent::textLayoutOf(*this);
    const ZcGeVector3d along = xform * layout.direction;
    const ZcGeVector3d up = xform * layout.up;
    const double alongLength = along.length(), upLength = up.length();
    if (!(alongLength > 0.0) || !(upLength > 0.0) || !zrx::ent::nearlyPerpendicular(along, up)) {
        return Zcad::eNotApplicable;
    }
    ZcGeVector3d newDir = along / alongLength;
    ZcGeVector3d newUp = up / upLength;
    bool reversed = false;
    if (xform.det() < 0.0) {
        // Of the two readable placements, the one whose baseline stays nearer the old one.
        if (along.dotProduct(layout.direction) < 0.0) {
            newDir = -newDir;
            reversed = true;
        } else {
            newUp = -newUp;
        }
    }
    const ZcGeVector3d newNormal = newDir.crossProduct(newUp);

    m_thickness *= (xform * m_normal).dotProduct(newNormal);
    m_position = xform * m_position;
    m_alignment = xform * m_alignment;
    if (reversed && isSpanned(m_horizontal)) std::swap(m_position, m_alignment);
    m_height *= upLength;
    m_widthFactor *= alongLength / upLength;
    m_normal = newNormal;
    m_rotation = zrx::ent::angleInPlane(newDir, newNormal);
    // A mirrored centred or right-justified text keeps its alignment point; the left end of
    // its baseline is somewhere else now.
    if (xform.det() < 0.0 && !isDefaultAlignment() && !isSpanned(m_horizontal)) m_position = zrxent::textLayoutOf(*this).origin;
    return Zcad::eOk;
}
