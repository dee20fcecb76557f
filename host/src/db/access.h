// What host code may do to an object, an id, a database or a document that the SDK does
// not offer: each of those classes names Access a friend, so that none of this shows in the
// public headers.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <utility>

#include "zrx/db_block_reference.h"
#include "zrx/db_database.h"
#include "zrx/db_dimension.h"
#include "zrx/db_leader.h"
#include "zrx/db_polyline.h"
#include "zrx/db_spline.h"
#include "zrx/ed_docs.h"

namespace zrxhost {

struct ObjectStub;
class DatabaseState;
class DocumentState;
class XdataStore;

struct Access {
    static ObjectStub* stubOf(const ZcDbObjectId& id) { return id.m_stub; }
    static ObjectStub* stubOf(const ZcDbObject* obj) { return obj->m_stub; }
    static ZcDbObjectId idOf(ObjectStub* s) { ZcDbObjectId id; id.m_stub = s; return id; }
    static void setStub(ZcDbObject* obj, ObjectStub* s) { obj->m_stub = s; }
    static DatabaseState* stateOf(const ZcDbDatabase* db) { return db->m_impl.get(); }
    static DocumentState* stateOf(const ZcApDocument* doc) { return doc->m_impl; }
    static bool isEmpty(const ZcDbExtents& e) { return e.m_empty; }
    // A runtime class lives as long as the process.
    static ZcRxClass* newClass(const char* name, const char* dxfName, ZcRxClass* parent)
    {
        return new ZcRxClass(name, dxfName, parent);
    }
    static const ZcDbObjectIdArray& entityIds(const ZcDbBlockTableRecord* b) { return b->m_entities; }
    static const ZcDbObjectIdArray& attributeIds(const ZcDbBlockReference* r) { return r->m_attributes; }
    // A reference rebuilt in another's place takes over its attributes.
    static void moveAttributes(ZcDbBlockReference* from, ZcDbBlockReference* to) { std::swap(from->m_attributes, to->m_attributes); }
    static const ZcDbObjectIdArray& memberIds(const ZcDbGroup* g) { return g->m_members; }
    static const ZcDbObjectIdArray& recordIds(const ZcDbSymbolTable* t) { return t->m_records; }
    using PolylineVertex = ZcDbPolyline::Vertex;
    static const std::vector<PolylineVertex>& vertices(const ZcDbPolyline* pl)
    {
        pl->assertReadEnabled();
        return pl->m_vertices;
    }
    static const zrx::geom::Nurbs& nurbs(const ZcDbSpline* sp) { return sp->nurbs(); }
    using DictionaryEntries = ZcDbDictionary::Entries;
    static const DictionaryEntries& entries(const ZcDbDictionary* d) { return d->m_entries; }

    using DimVars = ZcDbDimStyleTableRecord::Vars;
    static const DimVars& dimVars(const ZcDbDimStyleTableRecord* r) { r->assertReadEnabled(); return r->m_vars; }
    static DimVars& dimVarsForWrite(ZcDbDimStyleTableRecord* r) { r->assertWriteEnabled(); return r->m_vars; }
    // Every variable as it applies to the dimension: its style's, then its own overrides.
    static DimVars effectiveDimVars(const ZcDbDimension* d);
    static const char* dimensionText(const ZcDbDimension* d) { d->assertReadEnabled(); return d->m_text.c_str(); }
    static bool hasDimaszOverride(const ZcDbDimension* d) { d->assertReadEnabled(); return d->m_dimasz.has_value(); }
    static bool hasDimscaleOverride(const ZcDbDimension* d) { d->assertReadEnabled(); return d->m_dimscale.has_value(); }
    static std::optional<bool> dimsahOverride(const ZcDbDimension* d) { d->assertReadEnabled(); return d->m_dimsah; }
    // The arrow block overrides: DIMBLK, DIMBLK1, DIMBLK2.
    static std::array<std::optional<ZcDbObjectId>, 3> dimblkOverrides(const ZcDbDimension* d)
    {
        d->assertReadEnabled();
        return {d->m_dimblk, d->m_dimblk1, d->m_dimblk2};
    }
    static bool hasDimaszOverride(const ZcDbLeader* l) { l->assertReadEnabled(); return l->m_dimaszOverride >= 0.0; }

    // setXData without the chain and its copy, for xdata the host encoded itself (the file
    // reader, where result buffers for every xdata group dominated the load). The caller
    // has checked the groups and registered the applications; each application of the
    // store replaces the object's own of that name.
    static void adoptXdata(ZcDbObject* obj, std::unique_ptr<zrxhost::XdataStore> xdata);
    // The object's xdata as stored, null when it has none (the file writer reads it
    // without a chain).
    static const XdataStore* xdataOf(const ZcDbObject* obj);
};

inline ObjectStub* stubOf(const ZcDbObjectId& id) { return Access::stubOf(id); }
inline ObjectStub* stubOf(const ZcDbObject* obj) { return Access::stubOf(obj); }
inline ZcDbObjectId idOf(ObjectStub* s) { return Access::idOf(s); }
inline void setStub(ZcDbObject* obj, ObjectStub* s) { Access::setStub(obj, s); }
inline DatabaseState* stateOf(const ZcDbDatabase* db) { return Access::stateOf(db); }
inline DocumentState* stateOf(const ZcApDocument* doc) { return Access::stateOf(doc); }
// No point has been added yet.
inline bool isEmpty(const ZcDbExtents& e) { return Access::isEmpty(e); }
// What a container holds in the order it was added, erased ones included.
inline const ZcDbObjectIdArray& entityIds(const ZcDbBlockTableRecord* b) { return Access::entityIds(b); }
inline const ZcDbObjectIdArray& attributeIds(const ZcDbBlockReference* r)
{
    r->assertReadEnabled();
    return Access::attributeIds(r);
}
inline const ZcDbObjectIdArray& memberIds(const ZcDbGroup* g) { return Access::memberIds(g); }
inline const ZcDbObjectIdArray& recordIds(const ZcDbSymbolTable* t) { return Access::recordIds(t); }
// A light-weight polyline's vertices in its own plane, and the curve behind a spline.
using LwVertex = Access::PolylineVertex;
inline const std::vector<LwVertex>& vertices(const ZcDbPolyline* pl) { return Access::vertices(pl); }
inline const zrx::geom::Nurbs& nurbs(const ZcDbSpline* sp) { return Access::nurbs(sp); }
// Key order, erased entries included.
inline const Access::DictionaryEntries& entries(const ZcDbDictionary* d) { return Access::entries(d); }

// Dimension variables: a style's, and those a dimension applies.
using DimVars = Access::DimVars;
inline const DimVars& dimVars(const ZcDbDimStyleTableRecord* r) { return Access::dimVars(r); }
inline DimVars& dimVarsForWrite(ZcDbDimStyleTableRecord* r) { return Access::dimVarsForWrite(r); }
inline DimVars effectiveDimVars(const ZcDbDimension* d) { return Access::effectiveDimVars(d); }
// The user's text as the dimension holds it.
inline const char* dimensionText(const ZcDbDimension* d) { return Access::dimensionText(d); }
inline bool hasDimaszOverride(const ZcDbDimension* d) { return Access::hasDimaszOverride(d); }
inline bool hasDimscaleOverride(const ZcDbDimension* d) { return Access::hasDimscaleOverride(d); }
inline std::optional<bool> dimsahOverride(const ZcDbDimension* d) { return Access::dimsahOverride(d); }
inline std::array<std::optional<ZcDbObjectId>, 3> dimblkOverrides(const ZcDbDimension* d) { return Access::dimblkOverrides(d); }
inline bool hasDimaszOverride(const ZcDbLeader* l) { return Access::hasDimaszOverride(l); }

}  // namespace zrxhost
