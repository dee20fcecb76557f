// Entities by name: entget, entmod, entmake (through the drawing file's codecs),
// entdel, entnext, entlast, handent, entupd, regapp.
#include <memory>

#include "db/access.h"
#include "db/database_impl.h"
#include "db/stub.h"
#include "dxf/entity_pairs.h"
#include "editor/editor.h"
#include "lisp/complex_entity.h"
#include "lisp/entity_list.h"
#include "lisp/interp.h"
#include "zrx/zrx_all.h"
#include "zrxhost/contract.h"
#include "zrxhost/spaces.h"

namespace zrxhost::lisp {
namespace {

ZcDbDatabase* working() { return zcdbHostApplicationServices()->workingDatabase(); }

ZcDbObjectId entityArg(const ValuePtr& v)
{
    if (v->kind != Value::kEname) badArgument("lentityp", v);
    return ed::idOf(v->name);
}

ValuePtr nameOf(ZcDbObjectId id)
{
    ads_name name;
    ed::nameOf(id, name);
    return makeEname(name);
}

std::vector<std::string> appPatterns(const ValuePtr& v)
{
    std::vector<std::string> apps;
    for (const ValuePtr& app : toVector(list(v))) apps.push_back(str(app));
    return apps;
}

ValuePtr entget(const Args& a)
{
    arity(a, 1, 2);
    ZcDbObjectId id = entityArg(a[0]);
    std::vector<std::string> apps;
    if (a.size() == 2) apps = appPatterns(a[1]);
    if (id.isNull() || id.isErased()) return nil();
    HostAccess access;
    auto* e = peek<ZcDbEntity>(id);
    if (e == nullptr) return nil();
    zrx::dxf::KeptTags pairs = zrx::dxf::entityPairs(e);
    if (pairs.empty()) return nil();
    return pairsToList(pairs, a[0], a.size() == 2 ? &apps : nullptr);
}

// The new entity takes the old one's place under its id: same handle, owner and reactors;
// xdata of applications the list does not name stays.
void replace(ZcDbEntity* old, ZcDbEntity* fresh)
{
    fresh->setOwnerId(old->ownerId());
    for (const ZcDbObjectId& r : old->getPersistentReactors()) fresh->addPersistentReactor(r);
    resbuf* given = fresh->xData();
    resbuf* kept = old->xData();
    if (kept != nullptr) fresh->setXData(kept);
    if (given != nullptr) fresh->setXData(given);
    zcutRelRb(kept);
    zcutRelRb(given);
    ObjectStub* stub = Access::stubOf(old);
    Access::setStub(old, nullptr);
    stub->object = fresh;
    Access::setStub(fresh, stub);
    delete old;
    fresh->close();
}

ValuePtr entmod(const Args& a)
{
    arity(a, 1, 1);
    list(a[0]);
    ValuePtr self = nameIn(a[0]);
    zrx::dxf::KeptTags pairs;
    if (!self || !listToPairs(a[0], pairs)) return nil();
    ZcDbObjectId id = ed::idOf(self->name);
    ZcDbDatabase* db = id.isNull() ? nullptr : id.database();
    if (db == nullptr || id.isErased()) return nil();
    std::string reason;
    std::unique_ptr<ZcDbEntity> fresh(zrx::dxf::entityFromPairs(db, pairs, reason));
    if (!fresh) return nil();
    ZcDbEntity* old = nullptr;
    if (zcdbOpenObject(old, id, ZcDb::kForWrite) != Zcad::eOk) return nil();
    // The kind of an entity stays; a reference keeps its attributes, which no list holds.
    if (fresh->isA() != old->isA()) {
        old->close();
        return nil();
    }
    if (auto* reference = ZcDbBlockReference::cast(old)) Access::moveAttributes(reference, ZcDbBlockReference::cast(fresh.get()));
    replace(old, fresh.release());
    return a[0];
}

ValuePtr entmake(const Args& a)
{
    arity(a, 0, 1);
    if (a.empty()) {
        cancelComplex();
        return nil();
    }
    list(a[0]);
    zrx::dxf::KeptTags pairs;
    ZcDbDatabase* db = working();
    if (db == nullptr || !listToPairs(a[0], pairs)) return nil();
    ComplexPart part = makeComplexPart(db, pairs);
    switch (part.result) {
    case ComplexPart::kTaken:
    case ComplexPart::kReferenceDone: return a[0];
    case ComplexPart::kBlockDone: return makeStr(part.blockName);
    case ComplexPart::kRejected: return nil();
    case ComplexPart::kNotComplex: break;
    }
    std::string reason;
    std::unique_ptr<ZcDbEntity> e(zrx::dxf::entityFromPairs(db, pairs, reason));
    if (!e) return nil();
    bool paper = false;
    for (const auto& p : pairs) paper = paper || (p.code == 67 && p.value == "1");
    ZcDbBlockTableRecord* space = nullptr;
    if (zcdbOpenObject(space, paper ? zrxhost::paperSpaceId(db) : zrxhost::modelSpaceId(db), ZcDb::kForWrite) != Zcad::eOk)
        return nil();
    ZcDbObjectId id;
    Zcad::ErrorStatus es = space->appendZcDbEntity(id, e.get());
    space->close();
    if (es != Zcad::eOk) return nil();
    e.release()->close();
    return a[0];
}

ValuePtr entdel(const Args& a)
{
    arity(a, 1, 1);
    ZcDbObjectId id = entityArg(a[0]);
    ZcDbEntity* e = nullptr;
    if (id.isNull() || zcdbOpenObject(e, id, ZcDb::kForWrite, true) != Zcad::eOk) return nil();
    Zcad::ErrorStatus es = e->erase(!e->isErased());
    e->close();
    return es == Zcad::eOk ? a[0] : nil();
}

// Where the last entnext answer stood, so that a walk over the drawing goes on from there
// instead of searching the space from its start at every step.
struct WalkPlace {
    ZcDbObjectId block;
    int index = -1;
};
WalkPlace& lastPlace()
{
    static WalkPlace place;
    return place;
}

ValuePtr entnext(const Args& a)
{
    arity(a, 0, 1);
    ZcDbDatabase* db = working();
    if (db == nullptr) return nil();
    HostAccess access;
    ZcDbObjectId after = a.empty() ? ZcDbObjectId() : entityArg(a[0]);
    ZcDbObjectId blockId = zrxhost::modelSpaceId(db);
    if (!after.isNull()) {
        auto* e = peek<ZcDbEntity>(after);
        blockId = e != nullptr ? e->ownerId() : ZcDbObjectId();
    }
    auto* block = peek<ZcDbBlockTableRecord>(blockId);
    if (block == nullptr) return nil();
    const ZcDbObjectIdArray& ids = zrxhost::entityIds(block);
    int from = 0;
    if (!after.isNull()) {
        WalkPlace& place = lastPlace();
        int at = -1;
        if (place.block == blockId && place.index >= 0 && place.index < ids.length() && ids[place.index] == after)
            at = place.index;
        for (int k = 0; at < 0 && k < ids.length(); ++k) {
            if (ids[k] == after) at = k;
        }
        if (at < 0) return nil();
        from = at + 1;
    }
    for (int k = from; k < ids.length(); ++k) {
        if (ids[k].isErased()) continue;
        lastPlace() = {blockId, k};
        return nameOf(ids[k]);
    }
    return nil();
}

ValuePtr entlast(const Args& a)
{
    arity(a, 0, 0);
    ZcDbDatabase* db = working();
    if (db == nullptr) return nil();
    HostAccess access;
    auto* block = peek<ZcDbBlockTableRecord>(zrxhost::modelSpaceId(db));
    if (block == nullptr) return nil();
    ZcDbBlockTableRecordIterator* raw = nullptr;
    if (block->newIterator(raw, false, true) != Zcad::eOk) return nil();
    std::unique_ptr<ZcDbBlockTableRecordIterator> it(raw);
    ZcDbObjectId id;
    if (it->done() || it->getEntityId(id) != Zcad::eOk) return nil();
    return nameOf(id);
}

ValuePtr handent(const Args& a)
{
    arity(a, 1, 1);
    ZcDbDatabase* db = working();
    ZcDbObjectId id;
    ZcDbHandle h(str(a[0]).c_str());
    if (db == nullptr || h.isNull() || db->getZcDbObjectId(id, false, h) != Zcad::eOk || id.isErased()) return nil();
    HostAccess access;
    if (peek<ZcDbEntity>(id) == nullptr) return nil();
    return nameOf(id);
}

}  // namespace

void addEntityFunctions(Builtins& b)
{
    define(b, "ENTGET", entget);
    define(b, "ENTMOD", entmod);
    define(b, "ENTMAKE", entmake);
    define(b, "ENTDEL", entdel);
    define(b, "ENTNEXT", entnext);
    define(b, "ENTLAST", entlast);
    define(b, "HANDENT", handent);
    define(b, "ENTUPD", [](const Args& a) {
        arity(a, 1, 1);
        entityArg(a[0]);
        return a[0];
    });
    define(b, "REGAPP", [](const Args& a) {
        arity(a, 1, 1);
        return zcdbRegApp(str(a[0]).c_str()) == RTNORM ? a[0] : nil();
    });
}

}  // namespace zrxhost::lisp
