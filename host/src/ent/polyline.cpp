// Light-weight polylines.
#include "db_polyline.h"

#include <cmath>

#include "ent/kernel_curve.h"
#include "geom/polyline.h"
#include "db/rx_define.h"
#include "db/access.h"

namespace geom = zrx::geom;

ZCRX_DEFINE_MEMBERS(ZcDbPolyline, ZcDbCurve, "AcDbPolyline", "LWPOLYLINE")
ZCRX_DEFINE_CLONE(ZcDbPolyline)
ZRXENT_DEFINE_KERNEL_CURVE(ZcDbPolyline)

ZcDbPolyline::ZcDbPolyline(unsigned int reserve) { m_vertices.reserve(reserve); }

unsigned int ZcDbPolyline::numVerts() const
{
    assertReadEnabled();
    return static_cast<unsigned int>(m_vertices.size());
}

Zcad::ErrorStatus ZcDbPolyline::addVertexAt(unsigned int index, const ZcGePoint2d& pt, double bulge,
                                            double startWidth, double endWidth)
{
    assertWriteEnabled();
    if (index > m_vertices.size()) return Zcad::eInvalidIndex;
    Vertex v;
    v.point = pt;
    v.bulge = bulge;
    v.startWidth = startWidth < 0.0 ? 0.0 : startWidth;
    v.endWidth = endWidth < 0.0 ? 0.0 : endWidth;
    m_vertices.insert(m_vertices.begin() + index, v);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::removeVertexAt(unsigned int index)
{
    assertWriteEnabled();
    if (index >= m_vertices.size()) return Zcad::eInvalidIndex;
    m_vertices.erase(m_vertices.begin() + index);
    return Zcad::eOk;
}

void ZcDbPolyline::reset(bool reuse, unsigned int count)
{
    assertWriteEnabled();
    if (!reuse) m_vertices.clear();
    else if (count < m_vertices.size()) m_vertices.resize(count);
}

Zcad::ErrorStatus ZcDbPolyline::getPointAt(unsigned int index, ZcGePoint2d& pt) const
{
    assertReadEnabled();
    if (index >= m_vertices.size()) return Zcad::eInvalidIndex;
    pt = m_vertices[index].point;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::getPointAt(unsigned int index, ZcGePoint3d& pt) const
{
    assertReadEnabled();
    if (index >= m_vertices.size()) return Zcad::eInvalidIndex;
    pt = geom::Polyline::toWorld(m_vertices[index].point, m_elevation, m_normal);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::setPointAt(unsigned int index, const ZcGePoint2d& pt)
{
    assertWriteEnabled();
    if (index >= m_vertices.size()) return Zcad::eInvalidIndex;
    m_vertices[index].point = pt;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::getBulgeAt(unsigned int index, double& bulge) const
{
    assertReadEnabled();
    if (index >= m_vertices.size()) return Zcad::eInvalidIndex;
    bulge = m_vertices[index].bulge;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::setBulgeAt(unsigned int index, double bulge)
{
    assertWriteEnabled();
    if (index >= m_vertices.size()) return Zcad::eInvalidIndex;
    m_vertices[index].bulge = bulge;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::getWidthsAt(unsigned int index, double& startWidth, double& endWidth) const
{
    assertReadEnabled();
    if (index >= m_vertices.size()) return Zcad::eInvalidIndex;
    startWidth = m_vertices[index].startWidth;
    endWidth = m_vertices[index].endWidth;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::setWidthsAt(unsigned int index, double startWidth, double endWidth)
{
    assertWriteEnabled();
    if (index >= m_vertices.size()) return Zcad::eInvalidIndex;
    if (startWidth < 0.0 || endWidth < 0.0) return Zcad::eNegativeValue;
    m_vertices[index].startWidth = startWidth;
    m_vertices[index].endWidth = endWidth;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::getConstantWidth(double& width) const
{
    assertReadEnabled();
    width = m_vertices.empty() ? 0.0 : m_vertices.front().startWidth;
    for (const Vertex& v : m_vertices) {
        if (v.startWidth != width || v.endWidth != width) return Zcad::eNotApplicable;
    }
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::setConstantWidth(double width)
{
    assertWriteEnabled();
    if (width < 0.0) return Zcad::eNegativeValue;
    for (Vertex& v : m_vertices) v.startWidth = v.endWidth = width;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::setNormal(const ZcGeVector3d& n)
{
    assertWriteEnabled();
    if (n.isZeroLength()) return Zcad::eDegenerateGeometry;
    m_normal = n.normal();
    return Zcad::eOk;
}

ZcDbPolyline::SegType ZcDbPolyline::segType(unsigned int index) const
{
    assertReadEnabled();
    size_t n = m_vertices.size();
    if (n == 0 || index >= n) return kEmpty;
    if (n == 1) return kPoint;
    if (index == n - 1 && !m_closed) return kPoint;
    const Vertex& a = m_vertices[index];
    const Vertex& b = m_vertices[(index + 1) % n];
    if (a.point.isEqualTo(b.point)) return kCoincident;
    return std::fabs(a.bulge) < geom::kStraightBulge ? kLine : kArc;
}

bool ZcDbPolyline::isOnlyLines() const
{
    assertReadEnabled();
    for (unsigned int i = 0; i < m_vertices.size(); ++i) {
        if (segType(i) == kArc) return false;
    }
    return true;
}

// Shoelace over the chords plus the circular segment each bulge adds or takes away.
Zcad::ErrorStatus ZcDbPolyline::getArea(double& area) const
{
    assertReadEnabled();
    area = 0.0;
    size_t n = m_vertices.size();
    if (n < 2) return Zcad::eOk;
    size_t segments = m_closed ? n : n - 1;
    double sum = 0.0;
    for (size_t i = 0; i < n; ++i) {
        const ZcGePoint2d& a = m_vertices[i].point;
        const ZcGePoint2d& b = m_vertices[(i + 1) % n].point;
        sum += a.x * b.y - b.x * a.y;
    }
    double bulgeArea = 0.0;
    for (size_t i = 0; i < segments; ++i) {
        double bulge = m_vertices[i].bulge;
        if (std::fabs(bulge) < geom::kStraightBulge) continue;
        double chord = m_vertices[i].point.distanceTo(m_vertices[(i + 1) % n].point);
        double theta = 4.0 * std::atan(bulge);
        double radius = chord / (2.0 * std::sin(std::fabs(theta) / 2.0));
        double segment = 0.5 * radius * radius * (std::fabs(theta) - std::sin(std::fabs(theta)));
        bulgeArea += bulge > 0.0 ? segment : -segment;
    }
    area = std::fabs(0.5 * sum + bulgeArea);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbPolyline::explode(ZcDbVoidPtrArray& entitySet) const
{
    assertReadEnabled();
    auto path = std::get<geom::Polyline>(zrxent::kernelOf(*this));
    for (const geom::PolylinePiece& piece : path.pieces()) {
        if (piece.start.isEqualTo(piece.end) && !piece.isArc) continue;
        geom::Curve part = piece.isArc ? geom::Curve(piece.arc) : geom::Curve(geom::Line::segment(piece.start, piece.end));
        if (ZcDbCurve* e = zrxent::entityFor(part, *this)) entitySet.append(e);
    }
    return Zcad::eOk;
}

namespace zrxent {

geom::Curve kernelOf(const ZcDbPolyline& e)
{
    std::vector<geom::PolylineVertex> vs;
    vs.reserve(zrxhost::vertices(&e).size());
    for (const zrxhost::LwVertex& v : zrxhost::vertices(&e)) vs.push_back(geom::PolylineVertex{v.point, v.bulge});
    return geom::Polyline(std::move(vs), e.isClosed(), e.elevation(), e.normal());
}

Zcad::ErrorStatus assignFrom(ZcDbPolyline& e, const geom::Curve& c)
{
    const auto* pl = std::get_if<geom::Polyline>(&c);
    if (pl == nullptr) return Zcad::eNotApplicable;
    double width = 0.0;
    bool constant = e.numVerts() > 0 && e.getConstantWidth(width) == Zcad::eOk;
    e.reset(false, 0);
    for (const geom::PolylineVertex& v : pl->vertices()) e.addVertexAt(e.numVerts(), v.point, v.bulge);
    if (constant) e.setConstantWidth(width);
    e.setClosed(pl->isClosed());
    e.setElevation(pl->elevation());
    return e.setNormal(pl->normal());
}

}  // namespace zrxent
