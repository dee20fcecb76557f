// The bridge between curve entities and the geometry kernel: every closed-form curve entity
// states its geometry as a kernel curve, and the ZcDbCurve members are answered there.
#pragma once

#include "db_arc.h"
#include "db_leader.h"
#include "db_line.h"
#include "db_polyline.h"
#include "geom/curve.h"

namespace zrxent {

// The entity's geometry; nothing for entities that are not closed-form curves.
std::optional<zrx::geom::Curve> kernelOf(const ZcDbEntity* entity);
zrx::geom::Curve kernelOf(const ZcDbLine& e);
zrx::geom::Curve kernelOf(const ZcDbRay& e);
zrx::geom::Curve kernelOf(const ZcDbXline& e);
zrx::geom::Curve kernelOf(const ZcDbArc& e);
zrx::geom::Curve kernelOf(const ZcDbCircle& e);
zrx::geom::Curve kernelOf(const ZcDbPolyline& e);
zrx::geom::Curve kernelOf(const ZcDbLeader& e);

// Takes the geometry of a transformed kernel curve of the entity's own kind.
Zcad::ErrorStatus assignFrom(ZcDbLine& e, const zrx::geom::Curve& c);
Zcad::ErrorStatus assignFrom(ZcDbRay& e, const zrx::geom::Curve& c);
Zcad::ErrorStatus assignFrom(ZcDbXline& e, const zrx::geom::Curve& c);
Zcad::ErrorStatus assignFrom(ZcDbArc& e, const zrx::geom::Curve& c);
Zcad::ErrorStatus assignFrom(ZcDbCircle& e, const zrx::geom::Curve& c);
Zcad::ErrorStatus assignFrom(ZcDbPolyline& e, const zrx::geom::Curve& c);
Zcad::ErrorStatus assignFrom(ZcDbLeader& e, const zrx::geom::Curve& c);

// A new entity for a kernel curve (line, ray, construction line, arc, circle, polyline),
// with the properties of another entity; the caller owns it.
ZcDbCurve* entityFor(const zrx::geom::Curve& c, const ZcDbEntity& propertiesFrom);

Zcad::ErrorStatus startParam(const zrx::geom::Curve& c, double& p);
Zcad::ErrorStatus endParam(const zrx::geom::Curve& c, double& p);
Zcad::ErrorStatus startPoint(const zrx::geom::Curve& c, ZcGePoint3d& p);
Zcad::ErrorStatus endPoint(const zrx::geom::Curve& c, ZcGePoint3d& p);
Zcad::ErrorStatus pointAtParam(const zrx::geom::Curve& c, double param, ZcGePoint3d& p);
Zcad::ErrorStatus paramAtPoint(const zrx::geom::Curve& c, const ZcGePoint3d& p, double& param);
Zcad::ErrorStatus distAtParam(const zrx::geom::Curve& c, double param, double& d);
Zcad::ErrorStatus paramAtDist(const zrx::geom::Curve& c, double d, double& param);
Zcad::ErrorStatus firstDeriv(const zrx::geom::Curve& c, double param, ZcGeVector3d& v);
Zcad::ErrorStatus closestPoint(const zrx::geom::Curve& c, const ZcGePoint3d& given, ZcGePoint3d& on, bool extend);
Zcad::ErrorStatus splitCurves(const zrx::geom::Curve& c, const ZcGeDoubleArray& params, const ZcDbEntity& props,
                              ZcDbVoidPtrArray& pieces);
Zcad::ErrorStatus extents(const zrx::geom::Curve& c, ZcDbExtents& ext);

}  // namespace zrxent

// Defines the ZcDbCurve members of a closed-form curve entity through its kernel curve.
#define ZRXENT_DEFINE_KERNEL_CURVE(CLASS)                                                                   \
    Zcad::ErrorStatus CLASS::getStartParam(double& p) const { return zrxent::startParam(zrxent::kernelOf(*this), p); } \
    Zcad::ErrorStatus CLASS::getEndParam(double& p) const { return zrxent::endParam(zrxent::kernelOf(*this), p); } \
    Zcad::ErrorStatus CLASS::getStartPoint(ZcGePoint3d& p) const { return zrxent::startPoint(zrxent::kernelOf(*this), p); } \
    Zcad::ErrorStatus CLASS::getEndPoint(ZcGePoint3d& p) const { return zrxent::endPoint(zrxent::kernelOf(*this), p); } \
    Zcad::ErrorStatus CLASS::getPointAtParam(double t, ZcGePoint3d& p) const                                \
    {                                                                                                       \
        return zrxent::pointAtParam(zrxent::kernelOf(*this), t, p);                                         \
    }                                                                                                       \
    Zcad::ErrorStatus CLASS::getParamAtPoint(const ZcGePoint3d& p, double& t) const                         \
    {                                                                                                       \
        return zrxent::paramAtPoint(zrxent::kernelOf(*this), p, t);                                         \
    }                                                                                                       \
    Zcad::ErrorStatus CLASS::getDistAtParam(double t, double& d) const                                      \
    {                                                                                                       \
        return zrxent::distAtParam(zrxent::kernelOf(*this), t, d);                                          \
    }                                                                                                       \
    Zcad::ErrorStatus CLASS::getParamAtDist(double d, double& t) const                                      \
    {                                                                                                       \
        return zrxent::paramAtDist(zrxent::kernelOf(*this), d, t);                                          \
    }                                                                                                       \
    Zcad::ErrorStatus CLASS::getFirstDeriv(double t, ZcGeVector3d& v) const                                 \
    {                                                                                                       \
        return zrxent::firstDeriv(zrxent::kernelOf(*this), t, v);                                           \
    }                                                                                                       \
    Zcad::ErrorStatus CLASS::getClosestPointTo(const ZcGePoint3d& g, ZcGePoint3d& on, bool extend) const    \
    {                                                                                                       \
        return zrxent::closestPoint(zrxent::kernelOf(*this), g, on, extend);                                \
    }                                                                                                       \
    Zcad::ErrorStatus CLASS::getSplitCurves(const ZcGeDoubleArray& params, ZcDbVoidPtrArray& pieces) const  \
    {                                                                                                       \
        return zrxent::splitCurves(zrxent::kernelOf(*this), params, *this, pieces);                         \
    }                                                                                                       \
    Zcad::ErrorStatus CLASS::getGeomExtents(ZcDbExtents& ext) const                                         \
    {                                                                                                       \
        return zrxent::extents(zrxent::kernelOf(*this), ext);                                               \
    }                                                                                                       \
    Zcad::ErrorStatus CLASS::transformBy(const ZcGeMatrix3d& m)                                             \
    {                                                                                                       \
        assertWriteEnabled();                                                                               \
        std::optional<zrx::geom::Curve> moved = zrx::geom::transformed(zrxent::kernelOf(*this), m);         \
        if (!moved) return Zcad::eNotApplicable;                                                            \
        return zrxent::assignFrom(*this, *moved);                                                           \
    }
