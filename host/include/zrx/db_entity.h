// ZcDbEntity: common properties of everything drawn in a block.
#pragma once

#include "cm_color.h"
#include "db_extents.h"
#include "db_object.h"
#include "ge_all.h"

class ZRX_API ZcDbEntity : public ZcDbObject {
public:
    ZCRX_DECLARE_MEMBERS(ZcDbEntity);

    ZcDbObjectId blockId() const { return ownerId(); }

    // The layer name as a new string the caller frees with zcutDelString.
    char* layer() const;
    ZcDbObjectId layerId() const;
    // By name: looked up in the entity's database, or the working database while the
    // entity is not in one. eKeyNotFound when there is no such layer.
    Zcad::ErrorStatus setLayer(const char* name, bool doSubents = true);
    Zcad::ErrorStatus setLayer(ZcDbObjectId layerId, bool doSubents = true);

    ZcCmColor color() const { assertReadEnabled(); return m_color; }
    uint16_t colorIndex() const { assertReadEnabled(); return m_color.colorIndex(); }
    Zcad::ErrorStatus setColor(const ZcCmColor& c, bool doSubents = true);
    Zcad::ErrorStatus setColorIndex(uint16_t index, bool doSubents = true);

    char* linetype() const;
    ZcDbObjectId linetypeId() const;
    Zcad::ErrorStatus setLinetype(const char* name, bool doSubents = true);
    Zcad::ErrorStatus setLinetype(ZcDbObjectId id, bool doSubents = true);
    double linetypeScale() const { assertReadEnabled(); return m_linetypeScale; }
    Zcad::ErrorStatus setLinetypeScale(double scale, bool doSubents = true);
    // Asks for the entity to be drawn again at the next display update. Write-open only.
    void recordGraphicsModified(bool setModified = true);

    ZcDb::LineWeight lineWeight() const { assertReadEnabled(); return m_lineWeight; }
    Zcad::ErrorStatus setLineWeight(ZcDb::LineWeight w, bool doSubents = true);

    ZcDb::Visibility visibility() const { assertReadEnabled(); return m_visibility; }
    Zcad::ErrorStatus setVisibility(ZcDb::Visibility v, bool doSubents = true);

    // Layer, colour, line type, scale, weight and visibility of another entity.
    Zcad::ErrorStatus setPropertiesFrom(const ZcDbEntity* other, bool doSubents = true);
    // Current layer, ByLayer colour and line type, scale 1 of a database.
    void setDatabaseDefaults(ZcDbDatabase* db = nullptr);

    virtual Zcad::ErrorStatus getGeomExtents(ZcDbExtents& extents) const;
    virtual Zcad::ErrorStatus transformBy(const ZcGeMatrix3d& xform);
    // A transformed clone the caller owns.
    virtual Zcad::ErrorStatus getTransformedCopy(const ZcGeMatrix3d& xform, ZcDbEntity*& copy) const;
    // New entities the caller owns, appended to the array; eNotApplicable for kinds that
    // do not break into simpler ones.
    virtual Zcad::ErrorStatus explode(ZcDbVoidPtrArray& entitySet) const;

    Zcad::ErrorStatus intersectWith(const ZcDbEntity* other, ZcDb::Intersect intType, ZcGePoint3dArray& points,
                                    Zdesk::GsMarker thisMarker = 0, Zdesk::GsMarker otherMarker = 0) const;
    // Intersections of the two entities projected onto a plane, given on this entity.
    Zcad::ErrorStatus intersectWith(const ZcDbEntity* other, ZcDb::Intersect intType, const ZcGePlane& projPlane,
                                    ZcGePoint3dArray& points, Zdesk::GsMarker thisMarker = 0,
                                    Zdesk::GsMarker otherMarker = 0) const;

protected:
    ZcDbEntity() = default;
    ZcDbEntity(const ZcDbEntity&) = default;
    ZcDbEntity& operator=(const ZcDbEntity&) = default;

private:
    ZcDbObjectId m_layerId;
    ZcDbObjectId m_linetypeId;
    ZcCmColor m_color;
    double m_linetypeScale = 1.0;
    ZcDb::LineWeight m_lineWeight = ZcDb::kLnWtByLayer;
    ZcDb::Visibility m_visibility = ZcDb::kVisible;
};
