// What host code may do to an object, an id, a database or a document that the SDK does
// not offer: each of those classes names Access a friend, so that none of this shows in the
// public headers.
#pragma once

#include <memory>

#include "zrx/db_block_reference.h"
#include "zrx/db_database.h"
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
    static const ZcDbObjectIdArray& entityIds(const ZcDbBlockTableRecord* b) { return b->m_entities; }
    static const ZcDbObjectIdArray& attributeIds(const ZcDbBlockReference* r) { return r->m_attributes; }
    static const ZcDbObjectIdArray& memberIds(const ZcDbGroup* g) { return g->m_members; }
    static const ZcDbObjectIdArray& recordIds(const ZcDbSymbolTable* t) { return t->m_records; }

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

}  // namespace zrxhost
