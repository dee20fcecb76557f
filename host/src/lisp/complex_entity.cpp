#include "lisp/complex_entity.h"

#include <memory>
#include <vector>

#include "db/database_impl.h"
#include "db/record_name.h"
#include "dxf/entity_pairs.h"
#include "util/text_case.h"
#include "zrxhost/contract.h"
#include "zrxhost/spaces.h"

namespace zrxhost::lisp {
namespace {

using Pairs = zrx::dxf::KeptTags;

struct Gathered {
    enum Kind { kNone, kBlock, kReference } kind = kNone;
    ZcDbDatabase* db = nullptr;
    // A block definition.
    std::string name;
    int flags = 0;
    ZcGePoint3d origin;
    std::vector<std::unique_ptr<ZcDbEntity>> entities;
    // A reference with attributes.
    std::unique_ptr<ZcDbBlockReference> reference;
    std::vector<std::unique_ptr<ZcDbAttribute>> attributes;
    bool paperSpace = false;
};

Gathered& gathered()
{
    static Gathered g;
    return g;
}

const zrx::dxf::KeptTag* find(const Pairs& pairs, int code)
{
    for (const auto& p : pairs) {
        if (p.code == code) return &p;
    }
    return nullptr;
}

ComplexPart rejected()
{
    cancelComplex();
    return {ComplexPart::kRejected, {}};
}

std::unique_ptr<ZcDbEntity> entityOf(ZcDbDatabase* db, const Pairs& pairs)
{
    std::string reason;
    return std::unique_ptr<ZcDbEntity>(zrx::dxf::entityFromPairs(db, pairs, reason));
}

ComplexPart beginBlock(ZcDbDatabase* db, const Pairs& pairs)
{
    const auto* name = find(pairs, 2);
    const auto* x = find(pairs, 10);
    if (name == nullptr || name->value.empty() || x == nullptr) return rejected();
    Gathered& g = gathered();
    g = Gathered();
    g.kind = Gathered::kBlock;
    g.db = db;
    g.name = name->value;
    if (const auto* flags = find(pairs, 70)) g.flags = std::atoi(flags->value.c_str());
    const auto* y = find(pairs, 20);
    const auto* z = find(pairs, 30);
    g.origin = ZcGePoint3d(std::atof(x->value.c_str()), y != nullptr ? std::atof(y->value.c_str()) : 0.0,
                           z != nullptr ? std::atof(z->value.c_str()) : 0.0);
    return {ComplexPart::kTaken, {}};
}

// An anonymous block ("*" and flag 1) gets the first free "*Un".
std::string blockNameFor(ZcDbBlockTable* table, const Gathered& g)
{
    if (g.name[0] != '*' || (g.flags & 1) == 0) return g.name;
    std::string name;
    for (int n = 1; table->has((name = "*U" + std::to_string(n)).c_str()); ++n) {
    }
    return name;
}

ComplexPart endBlock()
{
    Gathered& g = gathered();
    ZcDbBlockTable* table = nullptr;
    if (g.db->getBlockTable(table, ZcDb::kForWrite) != Zcad::eOk) return rejected();
    std::string name = blockNameFor(table, g);
    ZcDbObjectId id;
    ZcDbBlockTableRecord* record = nullptr;
    if (table->getAt(name.c_str(), id) == Zcad::eOk) {
        // Made again under a name in use, the block is redefined: its references show the
        // new entities.
        if (id == zrxhost::modelSpaceId(g.db) || id == zrxhost::paperSpaceId(g.db) ||
            zcdbOpenObject(record, id, ZcDb::kForWrite) != Zcad::eOk) {
            table->close();
            return rejected();
        }
        ZcDbBlockTableRecordIterator* raw = nullptr;
        record->newIterator(raw);
        std::unique_ptr<ZcDbBlockTableRecordIterator> it(raw);
        for (; it && !it->done(); it->step()) {
            ZcDbEntity* old = nullptr;
            if (it->getEntity(old, ZcDb::kForWrite) == Zcad::eOk) {
                old->erase();
                old->close();
            }
        }
    } else {
        record = new ZcDbBlockTableRecord;
        record->setName(name.c_str());
        if (table->add(id, record) != Zcad::eOk) {
            delete record;
            table->close();
            return rejected();
        }
    }
    table->close();
    record->setOrigin(g.origin);
    for (auto& e : g.entities) {
        if (record->appendZcDbEntity(e.get()) == Zcad::eOk) e.release()->close();
    }
    record->close();
    cancelComplex();
    return {ComplexPart::kBlockDone, name};
}

ComplexPart beginReference(ZcDbDatabase* db, const Pairs& pairs)
{
    std::unique_ptr<ZcDbEntity> e = entityOf(db, pairs);
    if (!e || ZcDbBlockReference::cast(e.get()) == nullptr) return rejected();
    Gathered& g = gathered();
    g = Gathered();
    g.kind = Gathered::kReference;
    g.db = db;
    g.reference.reset(static_cast<ZcDbBlockReference*>(e.release()));
    const auto* space = find(pairs, 67);
    g.paperSpace = space != nullptr && space->value == "1";
    return {ComplexPart::kTaken, {}};
}

ComplexPart endReference()
{
    Gathered& g = gathered();
    ZcDbBlockTableRecord* space = nullptr;
    ZcDbObjectId spaceId = g.paperSpace ? zrxhost::paperSpaceId(g.db) : zrxhost::modelSpaceId(g.db);
    if (zcdbOpenObject(space, spaceId, ZcDb::kForWrite) != Zcad::eOk) return rejected();
    Zcad::ErrorStatus es = space->appendZcDbEntity(g.reference.get());
    space->close();
    if (es != Zcad::eOk) return rejected();
    ZcDbBlockReference* reference = g.reference.release();
    for (auto& a : g.attributes) {
        if (reference->appendAttribute(a.get()) == Zcad::eOk) a.release()->close();
    }
    reference->close();
    cancelComplex();
    return {ComplexPart::kReferenceDone, {}};
}

}  // namespace

void cancelComplex() { gathered() = Gathered(); }

ComplexPart makeComplexPart(ZcDbDatabase* db, const Pairs& pairs)
{
    std::string type = upperAscii(pairs[0].value);
    Gathered& g = gathered();
    if (g.kind != Gathered::kNone && g.db != db) cancelComplex();
    const auto* follow = find(pairs, 66);
    bool withAttributes = type == "INSERT" && follow != nullptr && follow->value == "1";
    switch (g.kind) {
    case Gathered::kNone:
        if (type == "BLOCK") return beginBlock(db, pairs);
        if (withAttributes) return beginReference(db, pairs);
        if (type == "ENDBLK" || type == "SEQEND" || type == "ATTRIB") return {ComplexPart::kRejected, {}};
        return {};
    case Gathered::kBlock: {
        if (type == "ENDBLK") return endBlock();
        if (type == "BLOCK" || type == "SEQEND" || type == "ATTRIB" || withAttributes) return rejected();
        std::unique_ptr<ZcDbEntity> e = entityOf(db, pairs);
        if (!e) return rejected();
        g.entities.push_back(std::move(e));
        return {ComplexPart::kTaken, {}};
    }
    case Gathered::kReference: {
        if (type == "SEQEND") return endReference();
        if (type != "ATTRIB") return rejected();
        std::unique_ptr<ZcDbEntity> e = entityOf(db, pairs);
        if (!e || ZcDbAttribute::cast(e.get()) == nullptr) return rejected();
        g.attributes.emplace_back(static_cast<ZcDbAttribute*>(e.release()));
        return {ComplexPart::kTaken, {}};
    }
    }
    return {};
}

}  // namespace zrxhost::lisp
