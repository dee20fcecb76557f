// Where two entities meet, in the platform's four extension modes. Curves are intersected
// by the geometry kernel; entities made of other entities (block references, dimensions,
// regions) meet where their parts meet; texts and points meet nothing.
#include <cmath>

#include "db_entity.h"
#include "ent/entity_geometry.h"

namespace geom = zrx::geom;

namespace {

// The parts of an entity that is not a curve itself, owned here.
struct Parts {
    ZcDbVoidPtrArray items;
    ~Parts()
    {
        for (void* p : items) delete static_cast<ZcDbEntity*>(p);
    }
};

void collect(const ZcDbEntity* e, std::vector<zrxent::Geometry>& out, int depth)
{
    if (std::optional<zrxent::Geometry> g = zrxent::geometryOf(e)) {
        out.push_back(std::move(*g));
        return;
    }
    // References inside references: the platform stops somewhere too.
    if (depth > 8) return;
    Parts parts;
    if (e->explode(parts.items) != Zcad::eOk) return;
    for (void* p : parts.items) collect(static_cast<const ZcDbEntity*>(p), out, depth + 1);
}

void appendUnique(ZcGePoint3dArray& points, const ZcGePoint3d& p)
{
    for (const ZcGePoint3d& q : points) {
        if (q.isEqualTo(p)) return;
    }
    points.append(p);
}

// The extension of composite entities applies to none of their parts.
geom::Extend partMode(ZcDb::Intersect mode, bool thisWhole, bool argWhole)
{
    bool extendThis = (mode == ZcDb::kExtendThis || mode == ZcDb::kExtendBoth) && thisWhole;
    bool extendArg = (mode == ZcDb::kExtendArg || mode == ZcDb::kExtendBoth) && argWhole;
    if (extendThis && extendArg) return geom::Extend::Both;
    if (extendThis) return geom::Extend::This;
    if (extendArg) return geom::Extend::Arg;
    return geom::Extend::None;
}

}  // namespace

Zcad::ErrorStatus ZcDbEntity::intersectWith(const ZcDbEntity* other, ZcDb::Intersect intType, ZcGePoint3dArray& points,
                                            Zdesk::GsMarker, Zdesk::GsMarker) const
{
    assertReadEnabled();
    if (other == nullptr) return Zcad::eNullEntityPointer;
    other->assertReadEnabled();
    std::vector<zrxent::Geometry> mine, theirs;
    collect(this, mine, 0);
    collect(other, theirs, 0);
    geom::Extend mode = partMode(intType, mine.size() == 1 && zrxent::geometryOf(this).has_value(),
                                 theirs.size() == 1 && zrxent::geometryOf(other).has_value());
    for (const zrxent::Geometry& a : mine) {
        for (const zrxent::Geometry& b : theirs) {
            for (const ZcGePoint3d& p : zrxent::intersect(a, b, mode)) appendUnique(points, p);
        }
    }
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbEntity::intersectWith(const ZcDbEntity* other, ZcDb::Intersect intType,
                                            const ZcGePlane& projPlane, ZcGePoint3dArray& points, Zdesk::GsMarker,
                                            Zdesk::GsMarker) const
{
    assertReadEnabled();
    if (other == nullptr) return Zcad::eNullEntityPointer;
    other->assertReadEnabled();
    std::optional<zrxent::Geometry> mine = zrxent::geometryOf(this);
    std::optional<zrxent::Geometry> theirs = zrxent::geometryOf(other);
    if (!mine || !theirs) return Zcad::eNotApplicable;
    std::optional<zrxent::Geometry> flatMine = zrxent::projected(*mine, projPlane);
    std::optional<zrxent::Geometry> flatTheirs = zrxent::projected(*theirs, projPlane);
    if (!flatMine || !flatTheirs) return Zcad::eNotApplicable;
    geom::Extend mode = partMode(intType, true, true);
    for (const ZcGePoint3d& p : zrxent::intersect(*flatMine, *flatTheirs, mode)) {
        // Back onto this entity: the projection keeps the parameter, up to the stretch of
        // a tilted straight line.
        std::optional<ZcGePoint3d> onThis = zrxent::liftBack(*mine, projPlane, p);
        if (onThis) appendUnique(points, *onThis);
    }
    return Zcad::eOk;
}
