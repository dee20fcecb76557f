// Leaders: straight segments through their vertices, an arrow at the first one.
#include "db_leader.h"

#include "db/database_impl.h"
#include "db_tables.h"
#include "ent/kernel_curve.h"
#include "geom/polyline.h"
#include "zrxhost/contract.h"
#include "db/rx_define.h"

namespace geom = zrx::geom;

ZCRX_DEFINE_MEMBERS(ZcDbLeader, ZcDbCurve, "AcDbLeader", "LEADER")
ZCRX_DEFINE_CLONE(ZcDbLeader)
ZRXENT_DEFINE_KERNEL_CURVE(ZcDbLeader)

bool ZcDbLeader::appendVertex(const ZcGePoint3d& p)
{
    assertWriteEnabled();
    m_vertices.push_back(p);
    return true;
}

void ZcDbLeader::removeLastVertex()
{
    assertWriteEnabled();
    if (!m_vertices.empty()) m_vertices.pop_back();
}

ZcGePoint3d ZcDbLeader::vertexAt(int index) const
{
    assertReadEnabled();
    if (index < 0 || index >= numVertices()) return ZcGePoint3d::kOrigin;
    return m_vertices[static_cast<size_t>(index)];
}

bool ZcDbLeader::setVertexAt(int index, const ZcGePoint3d& p)
{
    assertWriteEnabled();
    if (index < 0 || index >= numVertices()) return false;
    m_vertices[static_cast<size_t>(index)] = p;
    return true;
}

double ZcDbLeader::dimasz() const
{
    assertReadEnabled();
    if (m_dimaszOverride >= 0.0) return m_dimaszOverride;
    zrxhost::HostAccess access;
    ZcDbObjectId styleId = m_dimStyle;
    if (styleId.isNull() && database() != nullptr) styleId = database()->dimstyle();
    if (auto* style = zrxhost::peek<ZcDbDimStyleTableRecord>(styleId)) return style->dimasz();
    return zrxhost::DimVars().dimasz;
}

Zcad::ErrorStatus ZcDbLeader::explode(ZcDbVoidPtrArray& entitySet) const
{
    assertReadEnabled();
    for (size_t i = 1; i < m_vertices.size(); ++i) {
        auto* line = new ZcDbLine(m_vertices[i - 1], m_vertices[i]);
        line->setPropertiesFrom(this);
        entitySet.append(line);
    }
    return Zcad::eOk;
}

namespace zrxent {

// The vertices as a path in the leader's plane, which passes through its first vertex.
geom::Curve kernelOf(const ZcDbLeader& e)
{
    std::vector<geom::PolylineVertex> vs;
    ZcGeVector3d normal = e.normal();
    double elevation = e.numVertices() > 0 ? e.vertexAt(0).asVector().dotProduct(normal) : 0.0;
    geom::Polyline plane({}, false, elevation, normal);
    for (int i = 0; i < e.numVertices(); ++i) vs.push_back(geom::PolylineVertex{plane.toPlane(e.vertexAt(i)), 0.0});
    return geom::Polyline(std::move(vs), false, elevation, normal);
}

Zcad::ErrorStatus assignFrom(ZcDbLeader& e, const geom::Curve& c)
{
    const auto* pl = std::get_if<geom::Polyline>(&c);
    if (pl == nullptr) return Zcad::eNotApplicable;
    while (e.numVertices() > 0) e.removeLastVertex();
    for (const geom::PolylineVertex& v : pl->vertices()) e.appendVertex(pl->toWorld(v.point));
    return Zcad::eOk;
}

}  // namespace zrxent
