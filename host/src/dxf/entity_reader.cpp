// Blocks and entities of a drawing file: each entity joins its block with its own handle;
// block references take their attributes along, old-style polylines their vertices.
#include <memory>

#include "db/database_impl.h"
#include "db_block.h"
#include "db_block_reference.h"
#include "db_text.h"
#include "dxf/document_reader.h"
#include "dxf/entity_codec.h"
#include "dxf/raw_objects.h"
#include "dxf/tag_writer.h"
#include "zrxhost/contract.h"
#include "zrxhost/spaces.h"

namespace zrx::dxf {

extern const EntityCodec kAttribCodec;

namespace {
uint64_t handleOf(const Record& r, const std::string& file)
{
    for (size_t i = 0; i < r.size(); ++i) {
        if (r[i].code == 5 && r.markerNo[i] == 0) {
            uint64_t h = 0;
            if (!parseHandle(r[i].value, h)) throw DxfError(Zcad::eInvalidInput, file, r[i].line + 1, "bad handle");
            return h;
        }
    }
    return 0;
}

// An attribute read ahead of its block reference, made resident after it.
struct PendingAttribute {
    std::unique_ptr<ZcDbEntity> entity;
    ObjectHead head;
    Extras kept;
    uint32_t line = 0;
};
}  // namespace

void DocumentReader::blocks()
{
    Record r;
    while (nextRecord(r)) {
        if (r.type == "ENDSEC") return;
        if (r.type != "BLOCK") c.fail(Zcad::eBadDxfSequence, r.line, "\"" + std::string(r.type) + "\" outside a block");
        ObjectHead h = readHead(r, c);
        c.claimHandle(h.handle, r.line);
        std::string name;
        ZcGePoint3d origin;
        std::string path, comments;
        int64_t flags = 0;
        for (size_t i = 0; i < r.size(); ++i) {
            if (r.used(i) || (r.hasMarkers() && r.markerAt(i) != "AcDbBlockBegin")) continue;
            switch (r[i].code) {
            case 2: name = c.text(r, i); break;
            case 3: r.use(i); break;
            case 10: origin = r.point(i, c.file); break;
            case 1: path = c.text(r, i); break;
            case 4: comments = c.text(r, i); break;
            case 70: flags = r.integer(i, c.file); break;
            default: break;
            }
        }
        ZcDbObjectId blockId;
        if (h.hasOwner && h.owner != 0) {
            blockId = c.idOf(h.owner);
            if (blockId.isNull() || ZcDbBlockTableRecord::cast(zrxhost::stubOf(blockId)->object) == nullptr) {
                c.fail(Zcad::eBadDxfSequence, r.line, "block \"" + name + "\" names a missing block record " + formatHandle(h.owner));
            }
        } else {
            if (name.empty()) c.fail(Zcad::eBadDxfSequence, r.line, "a block without a name");
            blockId = c.block(name, r.line);
        }
        auto* btr = zrxhost::peek<ZcDbBlockTableRecord>(blockId);
        btr->setOrigin(origin);
        btr->setPathName(path.c_str());
        btr->setComments(comments.c_str());
        BlockEnds ends;
        ends.beginHandle = h.handle;
        ends.begin = r.leftovers(c.codePage, c.file);
        ends.begin.bits.emplace_back(70, flags);

        Record e;
        bool ended = false;
        while (nextRecord(e)) {
            if (e.type == "ENDBLK") {
                ObjectHead eh = readHead(e, c);
                c.claimHandle(eh.handle, e.line);
                ends.endHandle = eh.handle;
                ends.end = e.leftovers(c.codePage, c.file);
                ended = true;
                break;
            }
            if (e.type == "ENDSEC" || e.type == "BLOCK") c.fail(Zcad::eBadDxfSequence, e.line, "block \"" + name + "\" has no ENDBLK");
            entity(e, blockId);
        }
        if (!ended) truncated("the end of block \"" + name + "\" (ENDBLK)");
        c.state.blockEnds[static_cast<uint64_t>(btr->objectId().handle())] = std::move(ends);
    }
    truncated("the end of the BLOCKS section");
}

void DocumentReader::entities()
{
    Record r;
    while (nextRecord(r)) {
        if (r.type == "ENDSEC") return;
        entity(r, ZcDbObjectId());
    }
    truncated("the end of the ENTITIES section");
}

bool DocumentReader::followersOf(Record& r, std::vector<Record>& followers)
{
    bool follows = r.type == "POLYLINE";
    if (r.type == "INSERT") {
        for (size_t i = 0; i < r.size(); ++i) {
            int64_t v = 0;
            if (r[i].code == 66 && parseInt(r[i].value, v) && v == 1) follows = true;
        }
    }
    if (!follows) return false;
    std::string_view next;
    while (peekType(next)) {
        if (next != "VERTEX" && next != "ATTRIB" && next != "SEQEND") break;
        followers.emplace_back();
        nextRecord(followers.back());
        if (next == "SEQEND") break;
    }
    return true;
}

ZcDbObjectId DocumentReader::ownerBlock(const Record& r, uint64_t owner, bool paperSpace, ZcDbObjectId structural)
{
    if (owner != 0) {
        ZcDbObjectId id = c.idOf(owner);
        if (id.isNull()) c.fail(Zcad::eBadDxfSequence, r.line, "owner " + formatHandle(owner) + " does not exist");
        if (ZcDbBlockTableRecord::cast(zrxhost::stubOf(id)->object) != nullptr) return id;
    }
    if (!structural.isNull()) return structural;
    return paperSpace ? zrxhost::paperSpaceId(c.db) : zrxhost::modelSpaceId(c.db);
}

void DocumentReader::entity(Record& r, ZcDbObjectId block)
{
    std::vector<Record> followers;
    bool hasFollowers = followersOf(r, followers);
    ObjectHead head = readHead(r, c);
    ZcDbObjectId owner = ownerBlock(r, head.hasOwner ? head.owner : 0, head.paperSpace, block);
    Extras kept;
    c.current = &kept;

    const EntityCodec* codec = codecForType(r.type);
    std::unique_ptr<ZcDbEntity> e(codec != nullptr ? codec->read(r, c) : nullptr);

    // A modelled reference needs every attribute modelled; otherwise it is kept whole.
    std::vector<PendingAttribute> attributes;
    const Record* seqend = nullptr;
    if (e != nullptr && hasFollowers) {
        for (Record& f : followers) {
            if (f.type == "SEQEND") {
                seqend = &f;
                continue;
            }
            PendingAttribute a;
            a.head = readHead(f, c);
            a.line = f.line;
            c.current = &a.kept;
            a.entity.reset(f.type == "ATTRIB" ? kAttribCodec.read(f, c) : nullptr);
            if (a.entity == nullptr) {
                attributes.clear();
                e.reset();
                break;
            }
            readEntityCommon(f, c, a.entity.get(), a.kept);
            readXdataInto(f, c, a.entity.get());
            a.kept.sections = f.leftovers(c.codePage, c.file).sections;
            attributes.push_back(std::move(a));
        }
        c.current = &kept;
    }
    ZcDbRawEntity* raw = nullptr;
    if (e == nullptr) {
        r.resetUse();
        kept = Extras();
        head = readHead(r, c);
        raw = new ZcDbRawEntity(rawClass(ZcDbRawEntity::desc(), className(r), std::string(r.type)), {});
        e.reset(raw);
    }
    readEntityCommon(r, c, e.get(), kept);
    readXdataInto(r, c, e.get());
    Extras left = r.leftovers(c.codePage, c.file, raw != nullptr);
    if (raw != nullptr) {
        left.readColor = kept.readColor;
        raw->setData(std::move(left));
        std::vector<RawRecord> kf;
        for (Record& f : followers) {
            c.claimHandle(handleOf(f, c.file), f.line);
            kf.push_back(f.kept(c.codePage, c.file));
        }
        raw->setFollowers(std::move(kf));
    } else {
        kept.sections = std::move(left.sections);
    }

    auto* btr = zrxhost::peek<ZcDbBlockTableRecord>(owner);
    if (btr == nullptr) c.fail(Zcad::eBadDxfSequence, r.line, "an entity outside any block");
    ZcDbObjectId id;
    Zcad::ErrorStatus es = c.withHandle(head.handle, r.line, [&] { return btr->appendZcDbEntity(id, e.get()); });
    if (es != Zcad::eOk) c.fail(es, r.line, std::string("entity not accepted: ") + zcadErrorStatusText(es));
    ZcDbEntity* resident = e.release();
    // Closed on every path from here: the database owns it.
    struct Close {
        ZcDbEntity* e;
        ~Close() { e->close(); }
    } closer{resident};
    if (raw == nullptr && !kept.empty()) c.state.extras[static_cast<uint64_t>(resident->objectId().handle())] = std::move(kept);
    queueReactors(c, resident, head);

    auto* reference = ZcDbBlockReference::cast(resident);
    for (PendingAttribute& a : attributes) {
        auto* attribute = ZcDbAttribute::cast(a.entity.get());
        ZcDbObjectId aid;
        es = c.withHandle(a.head.handle, a.line, [&] { return reference->appendAttribute(aid, attribute); });
        if (es != Zcad::eOk) c.fail(es, a.line, std::string("attribute not accepted: ") + zcadErrorStatusText(es));
        a.entity.release();
        if (!a.kept.empty()) c.state.extras[static_cast<uint64_t>(attribute->objectId().handle())] = std::move(a.kept);
        queueReactors(c, attribute, a.head);
        attribute->close();
    }
    if (seqend != nullptr && reference != nullptr) {
        c.claimHandle(handleOf(*seqend, c.file), seqend->line);
        c.state.seqends[static_cast<uint64_t>(resident->objectId().handle())] = seqend->kept(c.codePage, c.file);
    }
}

}  // namespace zrx::dxf
