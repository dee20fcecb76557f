// Dimensions: the common part (style, text, overrides) and the linear kinds.
#pragma once

#include <optional>
#include <string>

#include "db_entity.h"

namespace zrxhost {
struct Access;
}  // namespace zrxhost

// Dimension variables are read from the dimension's style, or, for the ones the entity
// overrides, from the entity; a dimension without a usable style reads the defaults of a
// new dimension style. A dimension that never had a style set uses its drawing's current dimension
// style, as the platform gives it one when it is appended.
class ZRX_API ZcDbDimension : public ZcDbEntity {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbDimension);

    ZcDbObjectId dimensionStyle() const;
    Zcad::ErrorStatus setDimensionStyle(ZcDbObjectId styleId);

    // The user's text: "" shows the measurement, "<>" inside it stands for the measurement,
    // a single space shows nothing. dimensionText() is a new copy the caller frees with
    // zcutDelString.
    char* dimensionText() const;
    Zcad::ErrorStatus setDimensionText(const char* text);

    // The middle of the text. Setting it moves the text there; useDefaultTextPosition()
    // puts it back where the style places it, and textPosition() then tells where that is.
    ZcGePoint3d textPosition() const;
    Zcad::ErrorStatus setTextPosition(const ZcGePoint3d& p);
    bool isUsingDefaultTextPosition() const { assertReadEnabled(); return !m_userTextPosition; }
    Zcad::ErrorStatus useDefaultTextPosition() { assertWriteEnabled(); m_userTextPosition = false; return Zcad::eOk; }
    Zcad::ErrorStatus useSetTextPosition() { assertWriteEnabled(); m_userTextPosition = true; return Zcad::eOk; }

    ZcGeVector3d normal() const { assertReadEnabled(); return m_normal; }
    // Kept as a unit vector; a zero vector is refused.
    Zcad::ErrorStatus setNormal(const ZcGeVector3d& n);
    double elevation() const { assertReadEnabled(); return m_elevation; }
    Zcad::ErrorStatus setElevation(double e) { assertWriteEnabled(); m_elevation = e; return Zcad::eOk; }

    // The measured value, before DIMLFAC (which scales only the shown text).
    Zcad::ErrorStatus measurement(double& value) const;

    // The anonymous block that holds the dimension's graphics, as a drawing names it.
    ZcDbObjectId dimBlockId() const { assertReadEnabled(); return m_dimBlock; }
    Zcad::ErrorStatus setDimBlockId(const ZcDbObjectId& blockId);

    // Arrow size and overall scale: the entity's override when it has one.
    double dimasz() const;
    Zcad::ErrorStatus setDimasz(double v);
    double dimscale() const;
    Zcad::ErrorStatus setDimscale(double v);
    // Arrowheads: with DIMSAH on, dimblk1() and dimblk2() are the blocks at the first and
    // second ends, else dimblk() is at both; a null id is the closed filled arrow. Each is the
    // entity's override once set.
    bool dimsah() const;
    Zcad::ErrorStatus setDimsah(bool v);
    ZcDbObjectId dimblk() const;
    Zcad::ErrorStatus setDimblk(ZcDbObjectId blockId);
    ZcDbObjectId dimblk1() const;
    Zcad::ErrorStatus setDimblk1(ZcDbObjectId blockId);
    ZcDbObjectId dimblk2() const;
    Zcad::ErrorStatus setDimblk2(ZcDbObjectId blockId);

protected:
    ZcDbDimension() = default;
    ZcDbDimension(const ZcDbDimension&) = default;
    ZcDbDimension& operator=(const ZcDbDimension&) = default;

private:
    friend struct zrxhost::Access;
    friend class ZcDbAlignedDimension;
    friend class ZcDbRotatedDimension;
    ZcDbDimension(const char* dimText, ZcDbObjectId dimStyle);
    // The kind's own measurement and its default text middle.
    virtual double measure() const = 0;
    virtual ZcGePoint3d defaultTextPosition() const = 0;
    // What the common part holds, carried across a transform into the plane of newNormal.
    void transformCommon(const ZcGeMatrix3d& xform, const ZcGeVector3d& newNormal);

    ZcDbObjectId m_style;
    std::string m_text;
    ZcGePoint3d m_textPosition;
    bool m_userTextPosition = false;
    ZcGeVector3d m_normal{0, 0, 1};
    double m_elevation = 0.0;
    ZcDbObjectId m_dimBlock;
    std::optional<double> m_dimasz;
    std::optional<double> m_dimscale;
    std::optional<bool> m_dimsah;
    std::optional<ZcDbObjectId> m_dimblk;
    std::optional<ZcDbObjectId> m_dimblk1;
    std::optional<ZcDbObjectId> m_dimblk2;
};

// A linear dimension measuring the true distance between its extension-line origins; the
// dimension line runs parallel to them through dimLinePoint().
class ZRX_API ZcDbAlignedDimension : public ZcDbDimension {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbAlignedDimension);
    ZcDbAlignedDimension() = default;
    ZcDbAlignedDimension(const ZcGePoint3d& xLine1Point, const ZcGePoint3d& xLine2Point,
                         const ZcGePoint3d& dimLinePoint, const char* dimText = nullptr,
                         ZcDbObjectId dimStyle = ZcDbObjectId::kNull);
    ZcRxObject* clone() const override;

    ZcGePoint3d xLine1Point() const { assertReadEnabled(); return m_xLine1; }
    Zcad::ErrorStatus setXLine1Point(const ZcGePoint3d& p) { assertWriteEnabled(); m_xLine1 = p; return Zcad::eOk; }
    ZcGePoint3d xLine2Point() const { assertReadEnabled(); return m_xLine2; }
    Zcad::ErrorStatus setXLine2Point(const ZcGePoint3d& p) { assertWriteEnabled(); m_xLine2 = p; return Zcad::eOk; }
    ZcGePoint3d dimLinePoint() const { assertReadEnabled(); return m_dimLine; }
    Zcad::ErrorStatus setDimLinePoint(const ZcGePoint3d& p) { assertWriteEnabled(); m_dimLine = p; return Zcad::eOk; }
    // Angle of the extension lines in the dimension's plane; 0 draws them square to the
    // dimension line.
    double oblique() const { assertReadEnabled(); return m_oblique; }
    Zcad::ErrorStatus setOblique(double angle) { assertWriteEnabled(); m_oblique = angle; return Zcad::eOk; }

    // The box of the graphics: extension lines, dimension line, arrowheads and text.
    Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
    Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& xform) override;
    // Lines, closed triangular polylines for the arrowheads and a ZcDbText, the caller
    // owning them.
    Zcad::ErrorStatus explode(ZcDbVoidPtrArray& entitySet) const override;

private:
    double measure() const override;
    ZcGePoint3d defaultTextPosition() const override;
    ZcGePoint3d m_xLine1;
    ZcGePoint3d m_xLine2;
    ZcGePoint3d m_dimLine;
    double m_oblique = 0.0;
};

// A linear dimension measuring along a fixed direction: the distance between the
// extension-line origins projected on the line at rotation() in the dimension's plane.
class ZRX_API ZcDbRotatedDimension : public ZcDbDimension {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbRotatedDimension);
    ZcDbRotatedDimension() = default;
    ZcDbRotatedDimension(double rotation, const ZcGePoint3d& xLine1Point, const ZcGePoint3d& xLine2Point,
                         const ZcGePoint3d& dimLinePoint, const char* dimText = nullptr,
                         ZcDbObjectId dimStyle = ZcDbObjectId::kNull);
    ZcRxObject* clone() const override;

    ZcGePoint3d xLine1Point() const { assertReadEnabled(); return m_xLine1; }
    Zcad::ErrorStatus setXLine1Point(const ZcGePoint3d& p) { assertWriteEnabled(); m_xLine1 = p; return Zcad::eOk; }
    ZcGePoint3d xLine2Point() const { assertReadEnabled(); return m_xLine2; }
    Zcad::ErrorStatus setXLine2Point(const ZcGePoint3d& p) { assertWriteEnabled(); m_xLine2 = p; return Zcad::eOk; }
    ZcGePoint3d dimLinePoint() const { assertReadEnabled(); return m_dimLine; }
    Zcad::ErrorStatus setDimLinePoint(const ZcGePoint3d& p) { assertWriteEnabled(); m_dimLine = p; return Zcad::eOk; }
    double oblique() const { assertReadEnabled(); return m_oblique; }
    Zcad::ErrorStatus setOblique(double angle) { assertWriteEnabled(); m_oblique = angle; return Zcad::eOk; }
    double rotation() const { assertReadEnabled(); return m_rotation; }
    Zcad::ErrorStatus setRotation(double angle) { assertWriteEnabled(); m_rotation = angle; return Zcad::eOk; }

    Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const override;
    Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& xform) override;
    Zcad::ErrorStatus explode(ZcDbVoidPtrArray& entitySet) const override;

private:
    double measure() const override;
    ZcGePoint3d defaultTextPosition() const override;
    ZcGePoint3d m_xLine1;
    ZcGePoint3d m_xLine2;
    ZcGePoint3d m_dimLine;
    double m_oblique = 0.0;
    double m_rotation = 0.0;
};
