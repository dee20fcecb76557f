// Dimensions: style and overrides, text, and the aligned and rotated kinds.
#include "db_dimension.h"

#include <memory>
#include <vector>

#include "db/database_impl.h"
#include "db_line.h"
#include "db_polyline.h"
#include "db_text.h"
#include "ent/dimension_graphics.h"
#include "ent/plane_angle.h"
#include "zc_resbuf.h"
#include "zrxhost/contract.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbDimension, ZcDbEntity, "AcDbDimension", "DIMENSION")
ZCRX_DEFINE_MEMBERS(ZcDbAlignedDimension, ZcDbDimension, "AcDbAlignedDimension", "DIMENSION")
ZCRX_DEFINE_CLONE(ZcDbAlignedDimension)
ZCRX_DEFINE_MEMBERS(ZcDbRotatedDimension, ZcDbDimension, "AcDbRotatedDimension", "DIMENSION")
ZCRX_DEFINE_CLONE(ZcDbRotatedDimension)

namespace {

using zrx::ent::LinearDimensionDefinition;
using zrx::ent::LinearDimensionGraphics;

LinearDimensionDefinition linearDefinition(const ZcDbDimension& dim, const ZcGePoint3d& x1, const ZcGePoint3d& x2,
                                           const ZcGePoint3d& dimLine, double oblique, std::optional<double> rotation)
{
    LinearDimensionDefinition def;
    def.xLine1 = x1;
    def.xLine2 = x2;
    def.dimLinePoint = dimLine;
    def.normal = dim.normal();
    def.rotation = rotation;
    def.oblique = oblique;
    def.userText = zrxhost::dimensionText(&dim);
    if (!dim.isUsingDefaultTextPosition()) def.textPosition = dim.textPosition();
    def.vars = zrxhost::effectiveDimVars(&dim);
    return def;
}

// The plane normal after a transform, on the side the old one pointed to, so a mirrored
// dimension is still seen from the front; zero when the transform flattens the plane.
ZcGeVector3d transformedNormal(const ZcGeMatrix3d& xform, const ZcGeVector3d& normal)
{
    const ZcGeVector3d n = (xform * zrx::ent::planeXAxis(normal)).crossProduct(xform * zrx::ent::planeYAxis(normal));
    if (n.isZeroLength()) return n;
    return xform.det() < 0.0 ? -n.normal() : n.normal();
}

// Where a direction of the old plane points in the new one.
double transformedAngle(const ZcGeMatrix3d& xform, double angle, const ZcGeVector3d& oldNormal,
                        const ZcGeVector3d& newNormal)
{
    return zrx::ent::angleInPlane(xform * zrx::ent::directionInPlane(angle, oldNormal), newNormal);
}

// Pieces of the dimension take its properties; a dimension colour other than ByBlock
// overrides the colour.
void dress(ZcDbEntity* piece, const ZcDbDimension& dim, int colour)
{
    piece->setPropertiesFrom(&dim);
    if (colour != 0) piece->setColorIndex(static_cast<uint16_t>(colour));
}

Zcad::ErrorStatus explodeGraphics(const ZcDbDimension& dim, const LinearDimensionDefinition& def,
                                  ZcDbVoidPtrArray& entitySet)
{
    const LinearDimensionGraphics g = zrx::ent::layoutLinearDimension(def);
    const ZcGeVector3d normal = def.normal.normal();
    std::vector<std::unique_ptr<ZcDbEntity>> made;
    for (const auto& [lines, colour] : {std::pair{&g.extensionLines, def.vars.dimclre},
                                        std::pair{&g.dimensionLines, def.vars.dimclrd}}) {
        for (const zrx::ent::Segment& s : *lines) {
            auto line = std::make_unique<ZcDbLine>(s.start, s.end);
            line->setNormal(normal);
            dress(line.get(), dim, colour);
            made.push_back(std::move(line));
        }
    }
    const ZcGeMatrix3d toPlane = ZcGeMatrix3d::worldToPlane(normal);
    for (const auto& arrow : g.arrowheads) {
        auto triangle = std::make_unique<ZcDbPolyline>(3);
        for (unsigned int i = 0; i < 3; ++i) {
            const ZcGePoint3d p = toPlane * arrow[i];
            triangle->addVertexAt(i, ZcGePoint2d(p.x, p.y));
        }
        triangle->setElevation((toPlane * arrow[0]).z);
        triangle->setNormal(normal);
        triangle->setClosed(true);
        dress(triangle.get(), dim, def.vars.dimclrd);
        made.push_back(std::move(triangle));
    }
    for (const zrx::ent::ArrowBlock& arrow : g.arrowBlocks) {
        std::unique_ptr<ZcDbBlockReference> ref = zrx::ent::arrowReference(arrow);
        dress(ref.get(), dim, def.vars.dimclrd);
        made.push_back(std::move(ref));
    }
    if (!g.text.text.empty()) {
        auto text = std::make_unique<ZcDbText>();
        text->setTextString(g.text.text.c_str());
        text->setNormal(normal);
        text->setHeight(g.text.height);
        text->setRotation(g.text.rotation);
        text->setHorizontalMode(ZcDb::kTextMid);
        text->setAlignmentPoint(g.text.middle);
        if (!def.vars.dimtxsty.isNull()) text->setTextStyle(def.vars.dimtxsty);
        text->adjustAlignment();
        dress(text.get(), dim, def.vars.dimclrt);
        made.push_back(std::move(text));
    }
    for (std::unique_ptr<ZcDbEntity>& e : made) entitySet.append(e.release());
    return Zcad::eOk;
}

Zcad::ErrorStatus graphicsExtents(const LinearDimensionDefinition& def, ZcDbExtents& extents)
{
    extents = zrx::ent::extentsOf(zrx::ent::layoutLinearDimension(def));
    return zrxhost::isEmpty(extents) ? Zcad::eInvalidExtents : Zcad::eOk;
}

}  // namespace

// ---- the common part ----

ZcDbDimension::ZcDbDimension(const char* dimText, ZcDbObjectId dimStyle)
    : m_style(dimStyle), m_text(dimText == nullptr ? "" : dimText)
{
}

ZcDbObjectId ZcDbDimension::dimensionStyle() const
{
    assertReadEnabled();
    if (!m_style.isNull()) return m_style;
    ZcDbDatabase* db = database();
    return db != nullptr ? db->dimstyle() : ZcDbObjectId();
}

Zcad::ErrorStatus ZcDbDimension::setDimensionStyle(ZcDbObjectId styleId)
{
    assertWriteEnabled();
    if (styleId.isNull()) return Zcad::eNullObjectId;
    ZcRxClass* c = styleId.objectClass();
    if (c == nullptr || !c->isDerivedFrom(ZcDbDimStyleTableRecord::desc())) return Zcad::eWrongObjectType;
    if (database() != nullptr && styleId.database() != database()) return Zcad::eWrongDatabase;
    m_style = styleId;
    return Zcad::eOk;
}

char* ZcDbDimension::dimensionText() const
{
    assertReadEnabled();
    char* out = nullptr;
    zcutNewString(m_text.c_str(), out);
    return out;
}

Zcad::ErrorStatus ZcDbDimension::setDimensionText(const char* text)
{
    assertWriteEnabled();
    m_text = text == nullptr ? "" : text;
    return Zcad::eOk;
}

ZcGePoint3d ZcDbDimension::textPosition() const
{
    assertReadEnabled();
    return m_userTextPosition ? m_textPosition : defaultTextPosition();
}

Zcad::ErrorStatus ZcDbDimension::setTextPosition(const ZcGePoint3d& p)
{
    assertWriteEnabled();
    m_textPosition = p;
    m_userTextPosition = true;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDimension::setNormal(const ZcGeVector3d& n)
{
    assertWriteEnabled();
    if (n.isZeroLength()) return Zcad::eInvalidInput;
    m_normal = n.normal();
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDimension::measurement(double& value) const
{
    assertReadEnabled();
    value = measure();
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDimension::setDimBlockId(const ZcDbObjectId& blockId)
{
    assertWriteEnabled();
    ZcRxClass* c = blockId.objectClass();
    if (!blockId.isNull() && (c == nullptr || !c->isDerivedFrom(ZcDbBlockTableRecord::desc()))) {
        return Zcad::eWrongObjectType;
    }
    m_dimBlock = blockId;
    return Zcad::eOk;
}

zrxhost::DimVars zrxhost::Access::effectiveDimVars(const ZcDbDimension* d)
{
    d->assertReadEnabled();
    DimVars vars;
    const ZcDbObjectId styleId = d->dimensionStyle();
    if (!styleId.isErased()) {
        zrxhost::HostAccess access;
        if (const auto* style = zrxhost::peek<ZcDbDimStyleTableRecord>(styleId)) vars = dimVars(style);
    }
    if (d->m_dimasz) vars.dimasz = *d->m_dimasz;
    if (d->m_dimscale) vars.dimscale = *d->m_dimscale;
    if (d->m_dimsah) vars.dimsah = *d->m_dimsah;
    if (d->m_dimblk) vars.dimblk = *d->m_dimblk;
    if (d->m_dimblk1) vars.dimblk1 = *d->m_dimblk1;
    if (d->m_dimblk2) vars.dimblk2 = *d->m_dimblk2;
    return vars;
}

double ZcDbDimension::dimasz() const { return zrxhost::effectiveDimVars(this).dimasz; }

Zcad::ErrorStatus ZcDbDimension::setDimasz(double v)
{
    assertWriteEnabled();
    if (!(v >= 0.0)) return Zcad::eInvalidInput;
    m_dimasz = v;
    return Zcad::eOk;
}

double ZcDbDimension::dimscale() const { return zrxhost::effectiveDimVars(this).dimscale; }

Zcad::ErrorStatus ZcDbDimension::setDimscale(double v)
{
    assertWriteEnabled();
    if (!(v >= 0.0)) return Zcad::eInvalidInput;
    m_dimscale = v;
    return Zcad::eOk;
}

bool ZcDbDimension::dimsah() const { return zrxhost::effectiveDimVars(this).dimsah; }

Zcad::ErrorStatus ZcDbDimension::setDimsah(bool v)
{
    assertWriteEnabled();
    m_dimsah = v;
    return Zcad::eOk;
}

ZcDbObjectId ZcDbDimension::dimblk() const { return zrxhost::effectiveDimVars(this).dimblk; }
ZcDbObjectId ZcDbDimension::dimblk1() const { return zrxhost::effectiveDimVars(this).dimblk1; }
ZcDbObjectId ZcDbDimension::dimblk2() const { return zrxhost::effectiveDimVars(this).dimblk2; }

Zcad::ErrorStatus ZcDbDimension::setDimblk(ZcDbObjectId blockId)
{
    assertWriteEnabled();
    m_dimblk = blockId;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDimension::setDimblk1(ZcDbObjectId blockId)
{
    assertWriteEnabled();
    m_dimblk1 = blockId;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbDimension::setDimblk2(ZcDbObjectId blockId)
{
    assertWriteEnabled();
    m_dimblk2 = blockId;
    return Zcad::eOk;
}

void ZcDbDimension::transformCommon(const ZcGeMatrix3d& xform, const ZcGeVector3d& newNormal)
{
    // The elevation is the height of the dimension's plane along its normal; the plane's
    // point on the normal goes where the transform sends it.
    const ZcGePoint3d planePoint = ZcGePoint3d::kOrigin + m_normal * m_elevation;
    m_elevation = (xform * planePoint).asVector().dotProduct(newNormal);
    m_normal = newNormal;
    m_textPosition = xform * m_textPosition;
}

// ---- aligned ----

ZcDbAlignedDimension::ZcDbAlignedDimension(const ZcGePoint3d& xLine1Point, const ZcGePoint3d& xLine2Point,
                                           const ZcGePoint3d& dimLinePoint, const char* dimText,
                                           ZcDbObjectId dimStyle)
    : ZcDbDimension(dimText, dimStyle), m_xLine1(xLine1Point), m_xLine2(xLine2Point), m_dimLine(dimLinePoint)
{
}

double ZcDbAlignedDimension::measure() const
{
    return zrx::ent::linearMeasurement(linearDefinition(*this, m_xLine1, m_xLine2, m_dimLine, m_oblique, {}));
}

ZcGePoint3d ZcDbAlignedDimension::defaultTextPosition() const
{
    return zrx::ent::layoutLinearDimension(linearDefinition(*this, m_xLine1, m_xLine2, m_dimLine, m_oblique, {}))
        .text.middle;
}

Zcad::ErrorStatus ZcDbAlignedDimension::getGeomExtents(ZcDbExtents& extents) const
{
    assertReadEnabled();
    return graphicsExtents(linearDefinition(*this, m_xLine1, m_xLine2, m_dimLine, m_oblique, {}), extents);
}

Zcad::ErrorStatus ZcDbAlignedDimension::explode(ZcDbVoidPtrArray& entitySet) const
{
    assertReadEnabled();
    return explodeGraphics(*this, linearDefinition(*this, m_xLine1, m_xLine2, m_dimLine, m_oblique, {}), entitySet);
}

Zcad::ErrorStatus ZcDbAlignedDimension::transformBy(const ZcGeMatrix3d& xform)
{
    assertWriteEnabled();
    const ZcGeVector3d oldNormal = normal();
    const ZcGeVector3d newNormal = transformedNormal(xform, oldNormal);
    if (newNormal.isZeroLength()) return Zcad::eNotApplicable;
    if (m_oblique != 0.0) m_oblique = transformedAngle(xform, m_oblique, oldNormal, newNormal);
    m_xLine1 = xform * m_xLine1;
    m_xLine2 = xform * m_xLine2;
    m_dimLine = xform * m_dimLine;
    transformCommon(xform, newNormal);
    return Zcad::eOk;
}

// ---- rotated ----

ZcDbRotatedDimension::ZcDbRotatedDimension(double rotation, const ZcGePoint3d& xLine1Point,
                                           const ZcGePoint3d& xLine2Point, const ZcGePoint3d& dimLinePoint,
                                           const char* dimText, ZcDbObjectId dimStyle)
    : ZcDbDimension(dimText, dimStyle),
      m_xLine1(xLine1Point),
      m_xLine2(xLine2Point),
      m_dimLine(dimLinePoint),
      m_rotation(rotation)
{
}

double ZcDbRotatedDimension::measure() const
{
    return zrx::ent::linearMeasurement(linearDefinition(*this, m_xLine1, m_xLine2, m_dimLine, m_oblique, m_rotation));
}

ZcGePoint3d ZcDbRotatedDimension::defaultTextPosition() const
{
    return zrx::ent::layoutLinearDimension(
               linearDefinition(*this, m_xLine1, m_xLine2, m_dimLine, m_oblique, m_rotation))
        .text.middle;
}

Zcad::ErrorStatus ZcDbRotatedDimension::getGeomExtents(ZcDbExtents& extents) const
{
    assertReadEnabled();
    return graphicsExtents(linearDefinition(*this, m_xLine1, m_xLine2, m_dimLine, m_oblique, m_rotation), extents);
}

Zcad::ErrorStatus ZcDbRotatedDimension::explode(ZcDbVoidPtrArray& entitySet) const
{
    assertReadEnabled();
    return explodeGraphics(*this, linearDefinition(*this, m_xLine1, m_xLine2, m_dimLine, m_oblique, m_rotation),
                           entitySet);
}

Zcad::ErrorStatus ZcDbRotatedDimension::transformBy(const ZcGeMatrix3d& xform)
{
    assertWriteEnabled();
    const ZcGeVector3d oldNormal = normal();
    const ZcGeVector3d newNormal = transformedNormal(xform, oldNormal);
    if (newNormal.isZeroLength()) return Zcad::eNotApplicable;
    m_rotation = transformedAngle(xform, m_rotation, oldNormal, newNormal);
    if (m_oblique != 0.0) m_oblique = transformedAngle(xform, m_oblique, oldNormal, newNormal);
    m_xLine1 = xform * m_xLine1;
    m_xLine2 = xform * m_xLine2;
    m_dimLine = xform * m_dimLine;
    transformCommon(xform, newNormal);
    return Zcad::eOk;
}
