// ZcDbRegion: closed loops of curves made from loose curves, measured through the abstract
// curve interface so that every curve kind, present and future, can bound a region.
#include "db_region.h"

#include <algorithm>
#include <cmath>

#include "db_line.h"
#include "db_polyline.h"
#include "db/access.h"
#include "db/rx_define.h"

ZCRX_DEFINE_MEMBERS(ZcDbRegion, ZcDbEntity, "AcDbRegion", "REGION")
ZCRX_DEFINE_CLONE(ZcDbRegion)

namespace {

constexpr int kMaxDepth = 20;

double distanceToSegment(const ZcGePoint3d& p, const ZcGePoint3d& a, const ZcGePoint3d& b)
{
    const ZcGeVector3d ab = b - a;
    const double len2 = ab.lengthSqrd();
    const double t = len2 > 0.0 ? std::clamp((p - a).dotProduct(ab) / len2, 0.0, 1.0) : 0.0;
    return p.distanceTo(a + ab * t);
}

ZcGePoint3d pointAt(const ZcDbCurve& c, double t)
{
    ZcGePoint3d p;
    c.getPointAtParam(t, p);
    return p;
}

// Points after p0 up to p1, close enough to the curve between them. The quarter points are
// checked too, so a wave whose middle happens to lie on the chord is not taken as straight.
void sampleBetween(const ZcDbCurve& c, double t0, double t1, const ZcGePoint3d& p0, const ZcGePoint3d& p1,
                   double tol, int depth, std::vector<ZcGePoint3d>& out)
{
    const double tm = 0.5 * (t0 + t1);
    const ZcGePoint3d pm = pointAt(c, tm);
    const double deviation = std::max({distanceToSegment(pm, p0, p1),
                                       distanceToSegment(pointAt(c, 0.5 * (t0 + tm)), p0, p1),
                                       distanceToSegment(pointAt(c, 0.5 * (tm + t1)), p0, p1)});
    if (deviation <= tol || depth >= kMaxDepth) {
        out.push_back(p1);
        return;
    }
    sampleBetween(c, t0, tm, p0, pm, tol, depth + 1, out);
    sampleBetween(c, tm, t1, pm, p1, tol, depth + 1, out);
}

// The curve from start to end as points, its start point first.
std::vector<ZcGePoint3d> sampleCurve(const ZcDbCurve& c, double tol)
{
    double t0 = 0.0, t1 = 0.0;
    c.getStartParam(t0);
    c.getEndParam(t1);
    std::vector<ZcGePoint3d> out{pointAt(c, t0)};
    if (ZcDbLine::cast(&c) != nullptr) {
        out.push_back(pointAt(c, t1));
        return out;
    }
    // Polyline parameters step by vertex: straight segments are taken as they are.
    if (const ZcDbPolyline* pline = ZcDbPolyline::cast(&c)) {
        for (unsigned int i = 0; static_cast<double>(i) < t1; ++i) {
            const double a = i, b = std::min(t1, a + 1.0);
            if (pline->segType(i) == ZcDbPolyline::kLine) out.push_back(pointAt(c, b));
            else sampleBetween(c, a, b, out.back(), pointAt(c, b), tol, 0, out);
        }
        return out;
    }
    // Four pieces to begin with, so a closed curve's chord is not a single point.
    for (int k = 0; k < 4; ++k) {
        const double a = t0 + (t1 - t0) * k / 4.0, b = t0 + (t1 - t0) * (k + 1) / 4.0;
        sampleBetween(c, a, b, out.back(), pointAt(c, b), tol, 0, out);
    }
    return out;
}

// Twice the signed area, as a vector along the normal of the polygon's plane.
ZcGeVector3d newellVector(const std::vector<ZcGePoint3d>& poly)
{
    ZcGeVector3d n;
    if (poly.empty()) return n;
    const ZcGePoint3d& origin = poly.front();
    for (size_t i = 1; i + 1 < poly.size(); ++i) n += (poly[i] - origin).crossProduct(poly[i + 1] - origin);
    return n;
}

ZcGeVector3d towardsNearestPositiveAxis(ZcGeVector3d n)
{
    const unsigned int k = n.largestElement();
    return n[k] < 0.0 ? -n : n;
}

}  // namespace

ZcDbRegion::~ZcDbRegion() = default;

ZcDbRegion::ZcDbRegion(const ZcDbRegion& other) : ZcDbEntity(other), m_normal(other.m_normal)
{
    for (const Edge& e : other.m_loop) {
        m_loop.push_back(Edge{std::unique_ptr<ZcDbCurve>(static_cast<ZcDbCurve*>(e.curve->clone())), e.reversed});
    }
}

namespace {

struct LoopShape {
    std::vector<ZcGePoint3d> polygon;
    double size = 0.0;
};

template <class Edges>
LoopShape traceLoop(const Edges& edges)
{
    LoopShape shape;
    ZcDbExtents box;
    for (const auto& e : edges) {
        ZcDbExtents part;
        if (e.curve->getGeomExtents(part) == Zcad::eOk) box.addExt(part);
    }
    shape.size = zrxhost::isEmpty(box) ? 0.0 : box.minPoint().distanceTo(box.maxPoint());
    const double chord = 1e-6 * shape.size;
    for (const auto& e : edges) {
        std::vector<ZcGePoint3d> points = sampleCurve(*e.curve, chord);
        if (e.reversed) std::reverse(points.begin(), points.end());
        shape.polygon.insert(shape.polygon.end(), points.begin() + (shape.polygon.empty() ? 0 : 1), points.end());
    }
    return shape;
}

// The loop's normal; eDegenerateGeometry when it is not flat or encloses nothing.
Zcad::ErrorStatus loopNormal(const LoopShape& shape, ZcGeVector3d& normal)
{
    const ZcGeVector3d n = newellVector(shape.polygon);
    const double area = 0.5 * n.length();
    if (!(shape.size > 0.0) || area <= 1e-12 * shape.size * shape.size) return Zcad::eDegenerateGeometry;
    normal = towardsNearestPositiveAxis(n.normal());
    const ZcGePoint3d& origin = shape.polygon.front();
    for (const ZcGePoint3d& p : shape.polygon) {
        if (std::fabs((p - origin).dotProduct(normal)) > 1e-6 * shape.size) return Zcad::eDegenerateGeometry;
    }
    return Zcad::eOk;
}

}  // namespace

Zcad::ErrorStatus ZcDbRegion::createFromCurves(const ZcDbVoidPtrArray& curveSegments, ZcDbVoidPtrArray& regions)
{
    struct Piece {
        const ZcDbCurve* curve;
        ZcGePoint3d start, end;
        bool used = false;
    };
    std::vector<Piece> pieces;
    double reach = 0.0;
    for (void* p : curveSegments) {
        const ZcDbCurve* curve = p == nullptr ? nullptr : ZcDbCurve::cast(static_cast<ZcDbEntity*>(p));
        if (curve == nullptr) return Zcad::eInvalidInput;
        Piece piece{curve, {}, {}};
        if (curve->getStartPoint(piece.start) != Zcad::eOk || curve->getEndPoint(piece.end) != Zcad::eOk) {
            return Zcad::eInvalidInput;
        }
        for (unsigned int k = 0; k < 3; ++k) reach = std::max({reach, std::fabs(piece.start[k]), std::fabs(piece.end[k])});
        pieces.push_back(piece);
    }
    if (pieces.empty()) return Zcad::eInvalidInput;
    // Ends meet when they agree to nine digits of the drawing's reach.
    const double tol = std::max(ZcGeContext::gTol.equalPoint(), 1e-9 * (1.0 + reach));

    std::vector<std::unique_ptr<ZcDbRegion>> made;
    const auto makeRegion = [&](std::vector<Edge> loop) {
        auto region = std::make_unique<ZcDbRegion>();
        region->m_loop = std::move(loop);
        if (Zcad::ErrorStatus es = loopNormal(traceLoop(region->m_loop), region->m_normal); es != Zcad::eOk) return es;
        made.push_back(std::move(region));
        return Zcad::eOk;
    };
    const auto copyOf = [](const ZcDbCurve* c) { return std::unique_ptr<ZcDbCurve>(ZcDbCurve::cast(c->clone())); };

    for (Piece& piece : pieces) {
        if (!piece.curve->isClosed() && piece.start.distanceTo(piece.end) > tol) continue;
        piece.used = true;
        std::vector<Edge> loop;
        loop.push_back(Edge{copyOf(piece.curve), false});
        if (!loop.back().curve) return Zcad::eInvalidInput;
        if (Zcad::ErrorStatus es = makeRegion(std::move(loop)); es != Zcad::eOk) return es;
    }
    for (Piece& first : pieces) {
        if (first.used) continue;
        first.used = true;
        std::vector<Edge> loop;
        loop.push_back(Edge{copyOf(first.curve), false});
        ZcGePoint3d end = first.end;
        while (end.distanceTo(first.start) > tol) {
            auto next = std::find_if(pieces.begin(), pieces.end(), [&](const Piece& p) {
                return !p.used && (p.start.distanceTo(end) <= tol || p.end.distanceTo(end) <= tol);
            });
            if (next == pieces.end()) return Zcad::eInvalidInput;
            next->used = true;
            const bool reversed = next->start.distanceTo(end) > tol;
            loop.push_back(Edge{copyOf(next->curve), reversed});
            end = reversed ? next->start : next->end;
        }
        for (const Edge& e : loop) {
            if (!e.curve) return Zcad::eInvalidInput;
        }
        if (Zcad::ErrorStatus es = makeRegion(std::move(loop)); es != Zcad::eOk) return es;
    }
    for (std::unique_ptr<ZcDbRegion>& r : made) regions.append(r.release());
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbRegion::getArea(double& area) const
{
    assertReadEnabled();
    area = 0.0;
    if (m_loop.empty()) return Zcad::eDegenerateGeometry;
    area = 0.5 * newellVector(traceLoop(m_loop).polygon).length();
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbRegion::getPerimeter(double& perimeter) const
{
    assertReadEnabled();
    perimeter = 0.0;
    if (m_loop.empty()) return Zcad::eDegenerateGeometry;
    for (const Edge& e : m_loop) {
        double t0 = 0.0, t1 = 0.0, d0 = 0.0, d1 = 0.0;
        e.curve->getStartParam(t0);
        e.curve->getEndParam(t1);
        e.curve->getDistAtParam(t0, d0);
        e.curve->getDistAtParam(t1, d1);
        perimeter += d1 - d0;
    }
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbRegion::getNormal(ZcGeVector3d& normal) const
{
    assertReadEnabled();
    if (m_loop.empty()) return Zcad::eDegenerateGeometry;
    normal = m_normal;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbRegion::getPlane(ZcGePlane& plane) const
{
    assertReadEnabled();
    if (m_loop.empty()) return Zcad::eDegenerateGeometry;
    ZcGePoint3d origin;
    m_loop.front().curve->getStartPoint(origin);
    plane.set(origin, m_normal);
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbRegion::getGeomExtents(ZcDbExtents& extents) const
{
    assertReadEnabled();
    extents = ZcDbExtents();
    for (const Edge& e : m_loop) {
        ZcDbExtents part;
        if (Zcad::ErrorStatus es = e.curve->getGeomExtents(part); es != Zcad::eOk) return es;
        extents.addExt(part);
    }
    return zrxhost::isEmpty(extents) ? Zcad::eInvalidExtents : Zcad::eOk;
}

Zcad::ErrorStatus ZcDbRegion::transformBy(const ZcGeMatrix3d& xform)
{
    assertWriteEnabled();
    std::vector<Edge> moved;
    for (const Edge& e : m_loop) {
        ZcDbEntity* copy = nullptr;
        if (Zcad::ErrorStatus es = e.curve->getTransformedCopy(xform, copy); es != Zcad::eOk) return es;
        moved.push_back(Edge{std::unique_ptr<ZcDbCurve>(static_cast<ZcDbCurve*>(copy)), e.reversed});
    }
    ZcGeVector3d normal = m_normal;
    if (!moved.empty()) {
        if (Zcad::ErrorStatus es = loopNormal(traceLoop(moved), normal); es != Zcad::eOk) return es;
    }
    m_loop = std::move(moved);
    m_normal = normal;
    return Zcad::eOk;
}

Zcad::ErrorStatus ZcDbRegion::explode(ZcDbVoidPtrArray& entitySet) const
{
    assertReadEnabled();
    if (m_loop.empty()) return Zcad::eNotApplicable;
    for (const Edge& e : m_loop) entitySet.append(ZcDbEntity::cast(e.curve->clone()));
    return Zcad::eOk;
}
