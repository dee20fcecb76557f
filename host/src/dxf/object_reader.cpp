// The OBJECTS section: every object is made first (dictionaries refer forward and back),
// then dictionaries take their entries, groups their members and each object its owner.
#include <memory>

#include "db/database_impl.h"
#include "db_dictionary.h"
#include "db_group.h"
#include "dxf/document_reader.h"
#include "dxf/entity_codec.h"
#include "dxf/raw_objects.h"
#include "dxf/tag_writer.h"
#include "zrxhost/contract.h"

namespace zrx::dxf {

namespace {

struct Pending {
    Record record;
    ObjectHead head;
    ZcDbObject* object = nullptr;
    Extras kept;
};

void readDictionary(Pending& p, ReadContext& c)
{
    Record& r = p.record;
    auto* dict = ZcDbDictionary::cast(p.object);
    KeptTags dangling;
    for (size_t i = 0; i + 1 < r.size(); ++i) {
        if (r.used(i) || r[i].code != 3 || (r[i + 1].code != 350 && r[i + 1].code != 360)) continue;
        std::string key = c.text(r[i]);
        uint64_t h = 0;
        ZcDbObjectId id;
        if (parseHandle(r[i + 1].value, h)) id = c.idOf(h);
        ZcDbObject* value = id.isNull() ? nullptr : zrxhost::stubOf(id)->object;
        if (ZcDbEntity::cast(value) != nullptr) {
            // An entity belongs to its block; an entry taking it over would leave it no owner
            // any reader accepts.
            c.repair(r[i].line, "dictionary entry \"" + key + "\" names entity " + formatHandle(h) + "; the entry is dropped");
            r.use(i);
            r.use(i + 1);
            ++i;
            continue;
        }
        if (h == 0 || key.empty() || dict->has(key.c_str())) {
            // No reader takes an entry without a key or an object, nor a key twice.
            c.repair(r[i].line, "dictionary entry \"" + key + "\" (" + std::string(r[i + 1].value) + ") is dropped");
            r.use(i);
            r.use(i + 1);
            ++i;
            continue;
        }
        ZcDbObjectId ignored;
        if (value == nullptr || dict->setAt(key.c_str(), value, ignored) != Zcad::eOk) {
            // An entry naming nothing in the drawing is kept as it was read.
            dangling.push_back(KeptTag{3, key});
            dangling.push_back(KeptTag{r[i + 1].code, std::string(r[i + 1].value)});
        }
        r.use(i);
        r.use(i + 1);
        ++i;
    }
    if (!dangling.empty()) p.kept.sections.push_back(ExtraSection{"AcDbDictionary", std::move(dangling)});
}

void readGroup(Pending& p, ReadContext& c)
{
    Record& r = p.record;
    auto* group = ZcDbGroup::cast(p.object);
    for (size_t i = 0; i < r.size(); ++i) {
        if (r.used(i)) continue;
        switch (r[i].code) {
        case 300: group->setDescription(c.text(r, i).c_str()); break;
        case 70:
            if (r.integer(i, c.file) == 1) group->setAnonymous();
            break;
        case 71: group->setSelectable(r.integer(i, c.file) != 0); break;
        case 340: {
            ZcDbObjectId id = c.idOf(r.handle(i, c.file));
            // A member that is not an entity of the drawing stays a kept pair.
            if (id.isNull() || group->append(id) != Zcad::eOk) r.unuse(i);
            break;
        }
        default: break;
        }
    }
}

}  // namespace

void DocumentReader::objects()
{
    std::vector<Pending> pending;
    Record r;
    bool ended = false;
    while (nextRecord(r)) {
        if (r.type == "ENDSEC") {
            ended = true;
            break;
        }
        pending.emplace_back();
        std::swap(pending.back().record, r);
    }
    if (!ended) truncated("the end of the OBJECTS section");

    for (Pending& p : pending) {
        p.head = readHead(p.record, c);
        std::string_view type = p.record.type;
        std::unique_ptr<ZcDbObject> fresh;
        if (type == "DICTIONARY") fresh = std::make_unique<ZcDbDictionary>();
        else if (type == "GROUP") fresh = std::make_unique<ZcDbGroup>();
        else fresh = std::make_unique<ZcDbRawObject>(rawClass(ZcDbRawObject::desc(), className(p.record), std::string(type)), Extras());
        ZcDbObjectId id;
        c.withHandle(p.head.handle, p.record.line, [&] { return c.db->addZcDbObject(id, fresh.get()); });
        p.object = fresh.release();
        p.object->close();
    }
    for (Pending& p : pending) {
        if (ZcDbDictionary::cast(p.object) != nullptr) readDictionary(p, c);
    }
    for (Pending& p : pending) {
        ZcDbObjectId owner;
        if (p.head.owner != 0) {
            owner = c.idOf(p.head.owner);
            if (owner.isNull()) {
                c.fail(Zcad::eBadDxfSequence, p.record.line,
                       std::string(p.record.type) + " " + formatHandle(p.head.handle) + " names a missing owner " +
                           formatHandle(p.head.owner));
            }
        }
        p.object->setOwnerId(owner);
        if (ZcDbGroup::cast(p.object) != nullptr) readGroup(p, c);
        // The first dictionary without an owner is the drawing's root.
        if (zrxhost::stateOf(c.db)->namedObjects.isNull() && owner.isNull() && ZcDbDictionary::cast(p.object) != nullptr) {
            zrxhost::stateOf(c.db)->namedObjects = p.object->objectId();
        }
        readXdataInto(p.record, c, p.object);
        queueReactors(c, p.object, p.head);
        Extras left = p.record.leftovers(c.codePage, c.file, ZcDbRawObject::cast(p.object) != nullptr);
        if (auto* raw = ZcDbRawObject::cast(p.object)) {
            raw->setData(std::move(left));
            continue;
        }
        for (ExtraSection& s : left.sections) p.kept.sections.push_back(std::move(s));
        if (!p.kept.empty()) c.state.extras[static_cast<uint64_t>(p.object->objectId().handle())] = std::move(p.kept);
    }
    if (auto* root = zrxhost::peek<ZcDbDictionary>(zrxhost::stateOf(c.db)->namedObjects)) {
        ZcDbObjectId groups;
        if (root->getAt("ACAD_GROUP", groups) == Zcad::eOk && ZcDbDictionary::cast(zrxhost::stubOf(groups)->object) != nullptr) {
            zrxhost::stateOf(c.db)->groupDictionary = groups;
        }
    }
}

}  // namespace zrx::dxf
