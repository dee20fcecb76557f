// Splines: control data, or fit data from which the kernel makes the control data (as the
// platform does when a file holds fit points). The normal is kept as it was read.
#include <memory>

#include "db_spline.h"
#include "dxf/entity_codec.h"
#include "geom/spline_nurbs.h"
#include "db/access.h"

namespace zrx::dxf {

namespace {

ZcDbEntity* readSpline(Record& r, ReadContext& c)
{
    int degree = 3;
    int64_t flags = 0;
    double fitTolerance = 0.0;
    ZcGeVector3d startTangent, endTangent;
    ZcGePoint3dArray control, fit;
    ZcGeDoubleArray knots, weights;
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        switch (r[i].code) {
        case 70: flags = r.integer(i, c.file); break;
        case 71: degree = static_cast<int>(r.integer(i, c.file)); break;
        case 72: case 73: case 74: r.integer(i, c.file); break;
        case 42: case 43: r.real(i, c.file); break;
        case 44: fitTolerance = r.real(i, c.file); break;
        case 12: startTangent = r.vector(i, c.file); break;
        case 13: endTangent = r.vector(i, c.file); break;
        case 40: knots.append(r.real(i, c.file)); break;
        case 41: weights.append(r.real(i, c.file)); break;
        case 10: control.append(r.point(i, c.file)); break;
        case 11: fit.append(r.point(i, c.file)); break;
        default: break;
        }
    }
    c.keepBits(70, flags & ~int64_t(7));
    auto e = std::make_unique<ZcDbSpline>();
    Zcad::ErrorStatus es = fit.length() >= 2
                               ? e->setFitData(fit, degree, fitTolerance, startTangent, endTangent)
                               : e->setNurbsData(degree, (flags & 4) != 0, (flags & 1) != 0, (flags & 2) != 0, control,
                                                 knots, weights);
    return es == Zcad::eOk ? e.release() : nullptr;
}

void writeSpline(ObjectOut& o, const ZcDbEntity* ent, WriteContext&)
{
    const geom::Nurbs& s = zrxhost::nurbs(ZcDbSpline::cast(ent));
    TagWriter& w = o.w;
    o.subclass("AcDbSpline");
    w.integer(70, (s.closed ? 1 : 0) | (s.periodic ? 2 : 0) | (s.rational ? 4 : 0) | o.bits(70));
    w.integer(71, s.degree);
    w.integer(72, static_cast<int64_t>(s.knots.size()));
    w.integer(73, static_cast<int64_t>(s.controlPoints.size()));
    w.integer(74, static_cast<int64_t>(s.fitPoints.size()));
    w.real(42, 1e-10);
    w.real(43, 1e-10);
    if (s.hasFitData()) w.real(44, s.fitTolerance);
    if (s.startTangent) w.point(12, s.startTangent->x, s.startTangent->y, s.startTangent->z);
    if (s.endTangent) w.point(13, s.endTangent->x, s.endTangent->y, s.endTangent->z);
    for (double k : s.knots) w.real(40, k);
    if (s.rational) {
        for (size_t i = 0; i < s.controlPoints.size(); ++i) w.real(41, s.weight(i));
    }
    for (const ZcGePoint3d& p : s.controlPoints) w.point(10, p.x, p.y, p.z);
    for (const ZcGePoint3d& p : s.fitPoints) w.point(11, p.x, p.y, p.z);
}

}  // namespace

extern const EntityCodec kSplineCodec{"SPLINE", &ZcDbSpline::desc, &readSpline, &writeSpline, ""};

}  // namespace zrx::dxf
