// Geometry on points given as lists: distance, angle, polar, inters, trans.
#include <cmath>

#include "lisp/interp.h"
#include "zrx/ed_ucs.h"
#include "zrx/zc_resbuf.h"

namespace zrxhost::lisp {
namespace {

bool is2d(const ValuePtr& v) { return listLength(v) == 2; }

ValuePtr distance(const Args& a)
{
    arity(a, 2, 2);
    double p[3], q[3];
    point(a[0], p);
    point(a[1], q);
    // A 2D point makes it a distance in the XY plane.
    double dz = is2d(a[0]) || is2d(a[1]) ? 0.0 : q[2] - p[2];
    return makeReal(std::sqrt((q[0] - p[0]) * (q[0] - p[0]) + (q[1] - p[1]) * (q[1] - p[1]) + dz * dz));
}

ValuePtr angle(const Args& a)
{
    arity(a, 2, 2);
    double p[3], q[3];
    point(a[0], p);
    point(a[1], q);
    double r = std::atan2(q[1] - p[1], q[0] - p[0]);
    return makeReal(r < 0 ? r + 2.0 * M_PI : r);
}

ValuePtr polar(const Args& a)
{
    arity(a, 3, 3);
    double p[3];
    point(a[0], p);
    double ang = num(a[1]);
    double dist = num(a[2]);
    double out[3] = {p[0] + dist * std::cos(ang), p[1] + dist * std::sin(ang), p[2]};
    return makePoint(out, is2d(a[0]) ? 2 : 3);
}

// Where the lines through p1 p2 and p3 p4 meet (in the XY plane when any point is 2D);
// with onseg, only within both segments.
ValuePtr inters(const Args& a)
{
    arity(a, 4, 5);
    double p[4][3];
    bool flat = false;
    for (int k = 0; k < 4; ++k) {
        point(a[static_cast<size_t>(k)], p[k]);
        flat = flat || is2d(a[static_cast<size_t>(k)]);
    }
    bool onSegments = a.size() < 5 || !a[4]->isNil();
    double d1[3], d2[3], w[3];
    for (int k = 0; k < 3; ++k) {
        d1[k] = p[1][k] - p[0][k];
        d2[k] = p[3][k] - p[2][k];
        w[k] = p[2][k] - p[0][k];
    }
    double denom = d1[0] * d2[1] - d1[1] * d2[0];
    if (std::fabs(denom) < 1e-12) return nil();
    double s = (w[0] * d2[1] - w[1] * d2[0]) / denom;
    double u = (w[0] * d1[1] - w[1] * d1[0]) / denom;
    const double eps = 1e-10;
    if (onSegments && (s < -eps || s > 1 + eps || u < -eps || u > 1 + eps)) return nil();
    double at[3] = {p[0][0] + s * d1[0], p[0][1] + s * d1[1], p[0][2] + s * d1[2]};
    if (!flat) {
        // In 3D the lines must meet, not pass over each other.
        double z2 = p[2][2] + u * d2[2];
        if (std::fabs(z2 - at[2]) > 1e-9 * std::max(1.0, std::fabs(at[2]))) return nil();
    }
    return makePoint(at, flat ? 2 : 3);
}

// A coordinate system argument of trans: a code, an entity, or an extrusion direction.
resbuf system(const ValuePtr& v)
{
    resbuf rb{};
    if (v->kind == Value::kInt) {
        rb.restype = RTSHORT;
        rb.resval.rint = static_cast<short>(v->i);
    } else if (v->kind == Value::kEname) {
        rb.restype = RTENAME;
        rb.resval.rlname[0] = v->name[0];
        rb.resval.rlname[1] = v->name[1];
    } else if (v->kind == Value::kList) {
        rb.restype = RT3DPOINT;
        point(v, rb.resval.rpoint);
    } else {
        badArgument("coordinate system:", v);
    }
    return rb;
}

ValuePtr trans(const Args& a)
{
    arity(a, 3, 4);
    double p[3];
    point(a[0], p);
    resbuf from = system(a[1]);
    resbuf to = system(a[2]);
    bool disp = a.size() == 4 && !a[3]->isNil() && !(a[3]->kind == Value::kInt && a[3]->i == 0);
    ads_point out;
    if (zcedTrans(p, &from, &to, disp ? 1 : 0, out) != RTNORM) fail("bad argument value: coordinate system");
    return makePoint(out, is2d(a[0]) ? 2 : 3);
}

}  // namespace

void addGeometryFunctions(Builtins& b)
{
    define(b, "DISTANCE", distance);
    define(b, "ANGLE", angle);
    define(b, "POLAR", polar);
    define(b, "INTERS", inters);
    define(b, "TRANS", trans);
}

}  // namespace zrxhost::lisp
