// Sections in the order the platform writes them: HEADER, CLASSES, TABLES, BLOCKS,
// ENTITIES, OBJECTS, then any section kept from the file.
#include "dxf/document_writer.h"

#include <algorithm>
#include <set>

#include "db/database_impl.h"
#include "db_block.h"
#include "db_block_reference.h"
#include "db_dictionary.h"
#include "db_group.h"
#include "db_polyline.h"
#include "db_tables.h"
#include "dxf/dimension_blocks.h"
#include "dxf/dxf_error.h"
#include "dxf/raw_objects.h"
#include "dxf/table_codec.h"
#include "zrxhost/contract.h"
#include "db/record_name.h"
#include "zrxhost/spaces.h"

namespace zrx::dxf {

namespace {

const char* const kStandardTables[] = {"VPORT", "LTYPE", "LAYER", "STYLE", "VIEW", "UCS", "APPID", "DIMSTYLE", "BLOCK_RECORD"};

// Entity kinds an R12 file can hold.
bool r12Kind(std::string_view type)
{
    static const std::set<std::string_view> kinds = {"LINE",   "POINT",  "CIRCLE",   "ARC",      "TRACE",  "SOLID",
                                                     "TEXT",   "SHAPE",  "INSERT",   "ATTDEF",   "ATTRIB", "POLYLINE",
                                                     "VERTEX", "SEQEND", "3DFACE",   "VIEWPORT", "DIMENSION"};
    return kinds.count(type) != 0;
}

ZcDbObjectId modelledTable(const ZcDbDatabase* db, std::string_view name)
{
    if (name == "LAYER") return db->layerTableId();
    if (name == "LTYPE") return db->linetypeTableId();
    if (name == "STYLE") return db->textStyleTableId();
    if (name == "DIMSTYLE") return db->dimStyleTableId();
    if (name == "APPID") return db->regAppTableId();
    if (name == "BLOCK_RECORD") return db->blockTableId();
    return {};
}

bool isFileObject(const ZcDbObject* o)
{
    return ZcDbEntity::cast(o) == nullptr && ZcDbSymbolTable::cast(o) == nullptr &&
           ZcDbSymbolTableRecord::cast(o) == nullptr && ZcDbRawSymbolTable::cast(o) == nullptr;
}

}  // namespace

DocumentWriter::DocumentWriter(ZcDbDatabase* db, TagWriter& writer, Version version)
    : m_db(db), w(writer), m_version(version), m_state(fileState(db))
{
    m_ctx.db = db;
    m_ctx.state = &m_state;
    m_ctx.version = version;
    m_ctx.newHandle = [this] { return allocate(); };
    m_ctx.writeEntity = [this](const ZcDbEntity* e) { entity(e); };
}

uint64_t DocumentWriter::allocate()
{
    if (m_nextFileHandle < m_fileHandleEnd) return m_nextFileHandle++;
    // Past the reserved range (should not happen): still a handle nothing else uses.
    zrxhost::DatabaseState* impl = zrxhost::stateOf(m_db);
    uint64_t h = impl->nextHandle();
    while (impl->findHandle(h) != nullptr) ++h;
    impl->reserveHandlesBelow(h + 1);
    return h;
}

void DocumentWriter::refuseUnwritable() const
{
    auto* blocks = zrxhost::peek<ZcDbBlockTable>(m_db->blockTableId());
    for (const ZcDbObjectId& id : zrxhost::recordIds(blocks)) {
        if (id.isErased()) continue;
        for (const ZcDbObjectId& eid : zrxhost::entityIds(zrxhost::peek<ZcDbBlockTableRecord>(id))) {
            const ZcDbObject* o = zrxhost::stubOf(eid)->object;
            if (eid.isErased() || ZcDbRawEntity::cast(o) != nullptr || codecForClass(o->isA()) != nullptr) continue;
            throw DxfError(Zcad::eNotApplicable, w.file(), 0,
                           "cannot save entity " + formatHandle(static_cast<uint64_t>(eid.handle())) + " (" + o->isA()->name() +
                               "): the drawing file writer has no way to write this kind of entity");
        }
    }
}

void DocumentWriter::prepare()
{
    // Before anything changes: a drawing that cannot be written whole is not written.
    refuseUnwritable();
    giveDimensionsBlocks(m_db);
    zrxhost::DatabaseState* impl = zrxhost::stateOf(m_db);
    auto permanent = [impl] {
        uint64_t h = impl->nextHandle();
        while (impl->findHandle(h) != nullptr) ++h;
        impl->reserveHandlesBelow(h + 1);
        return h;
    };
    for (const char* name : {"VPORT", "VIEW", "UCS"}) {
        ZcDbObjectId& id = m_state.rawTables[name];
        if (!id.isNull() && !id.isErased()) continue;
        auto* table = new ZcDbRawSymbolTable(
            rawClass(ZcDbRawSymbolTable::desc(),
                     std::string(name) == "VPORT" ? "AcDbViewportTable" : std::string(name) == "VIEW" ? "AcDbViewTable" : "AcDbUCSTable",
                     "TABLE"),
            name);
        m_db->addZcDbObject(id, table);
        table->close();
    }
    auto* blocks = zrxhost::peek<ZcDbBlockTable>(m_db->blockTableId());
    size_t fileOnly = 0;
    for (const ZcDbObjectId& id : zrxhost::recordIds(blocks)) {
        if (id.isErased()) continue;
        BlockEnds& ends = m_state.blockEnds[static_cast<uint64_t>(id.handle())];
        if (ends.beginHandle == 0) ends.beginHandle = permanent();
        if (ends.endHandle == 0) ends.endHandle = permanent();
        auto* btr = zrxhost::peek<ZcDbBlockTableRecord>(id);
        for (const ZcDbObjectId& eid : zrxhost::entityIds(btr)) {
            if (eid.isErased()) continue;
            ZcDbObject* o = zrxhost::stubOf(eid)->object;
            if (auto* ref = ZcDbBlockReference::cast(o)) {
                bool attributes = std::any_of(zrxhost::attributeIds(ref).begin(), zrxhost::attributeIds(ref).end(),
                                              [](const ZcDbObjectId& a) { return !a.isErased(); });
                if (attributes && m_state.seqends.count(static_cast<uint64_t>(ref->objectId().handle())) == 0) {
                    RawRecord end{"SEQEND", {}};
                    end.tags.push_back(KeptTag{5, formatHandle(permanent())});
                    end.tags.push_back(KeptTag{330, formatHandle(static_cast<uint64_t>(ref->objectId().handle()))});
                    end.tags.push_back(KeptTag{100, "AcDbEntity"});
                    end.tags.push_back(KeptTag{8, WriteContext::nameOf(ref->layerId())});
                    m_state.seqends[static_cast<uint64_t>(ref->objectId().handle())] = std::move(end);
                }
            } else if (auto* pl = ZcDbPolyline::cast(o); pl != nullptr && m_version == Version::R12) {
                fileOnly += pl->numVerts() + 1;
            }
        }
    }
    // R12 vertices and ends of sequence exist only in that file: a range of handles that
    // the drawing never gives out again.
    m_nextFileHandle = impl->nextHandle();
    while (impl->findHandle(m_nextFileHandle) != nullptr) ++m_nextFileHandle;
    m_fileHandleEnd = m_nextFileHandle + fileOnly;
    impl->reserveHandlesBelow(m_fileHandleEnd);
}

void DocumentWriter::write()
{
    zrxhost::HostAccess access;
    header();
    if (m_version != Version::R12 && !m_state.classes.empty()) {
        w.plain(0, "SECTION");
        w.plain(2, "CLASSES");
        for (const RawRecord& r : m_state.classes) writeRawRecord(w, m_version, r);
        w.plain(0, "ENDSEC");
    }
    tables();
    blocks();
    entities();
    if (m_version != Version::R12) objects();
    for (const RawSection& s : m_state.otherSections) {
        if (m_version == Version::R12) break;
        w.plain(0, "SECTION");
        w.text(2, s.name);
        writeKept(w, m_version, s.tags);
        w.plain(0, "ENDSEC");
    }
    w.plain(0, "EOF");
    w.flush();
}

void DocumentWriter::header()
{
    w.plain(0, "SECTION");
    w.plain(2, "HEADER");
    w.plain(9, "$ACADVER");
    w.plain(1, acadverOf(m_version));
    w.plain(9, "$DWGCODEPAGE");
    w.text(3, m_state.codePage);
    static const std::set<std::string> modelled = {"$ACADVER", "$DWGCODEPAGE", "$HANDSEED", "$CLAYER",
                                                   "$CELTYPE", "$TEXTSTYLE",   "$DIMSTYLE", "$UCSORG",
                                                   "$UCSXDIR", "$UCSYDIR",     "$INSBASE"};
    bool handling = false;
    for (const HeaderVariable& v : m_state.header) {
        if (modelled.count(v.name) != 0) continue;
        // R12 readers know no variable whose groups came after it.
        if (m_version == Version::R12 &&
            std::any_of(v.values.begin(), v.values.end(), [](const KeptTag& t) { return !r12Code(t.code); })) {
            continue;
        }
        if (v.values.empty()) continue;
        if (v.name == "$HANDLING") handling = true;
        w.text(9, v.name);
        writeKept(w, m_version, v.values);
    }
    if (m_version == Version::R12 && !handling) {
        w.plain(9, "$HANDLING");
        w.integer(70, 1);
    }
    const ZcGePoint3d base = zrxhost::stateOf(m_db)->insbase;
    w.plain(9, "$INSBASE");
    w.point(10, base.x, base.y, base.z);
    w.plain(9, "$HANDSEED");
    w.handle(5, std::max<uint64_t>(zrxhost::stateOf(m_db)->nextHandle(), m_fileHandleEnd));
    w.plain(9, "$CLAYER");
    w.text(8, WriteContext::nameOf(m_db->clayer()));
    w.plain(9, "$CELTYPE");
    w.text(6, WriteContext::nameOf(m_db->celtype()));
    w.plain(9, "$TEXTSTYLE");
    w.text(7, WriteContext::nameOf(m_db->textstyle()));
    w.plain(9, "$DIMSTYLE");
    w.text(2, WriteContext::nameOf(m_db->dimstyle()));
    ZcGePoint3d origin;
    ZcGeVector3d x, y, z;
    zrxhost::stateOf(m_db)->ucs.getCoordSystem(origin, x, y, z);
    w.plain(9, "$UCSORG");
    w.point(10, origin.x, origin.y, origin.z);
    w.plain(9, "$UCSXDIR");
    w.point(10, x.x, x.y, x.z);
    w.plain(9, "$UCSYDIR");
    w.point(10, y.x, y.y, y.z);
    w.plain(0, "ENDSEC");
}

void DocumentWriter::tables()
{
    w.plain(0, "SECTION");
    w.plain(2, "TABLES");
    std::vector<std::string> order = m_state.tableOrder;
    for (const char* name : kStandardTables) {
        if (std::find(order.begin(), order.end(), name) == order.end()) order.emplace_back(name);
    }
    for (const std::string& name : order) {
        if (m_version == Version::R12 && name == "BLOCK_RECORD") continue;
        table(name);
    }
    w.plain(0, "ENDSEC");
}

void DocumentWriter::tableHead(const std::string& name, const ZcDbObject* tableObj, int count)
{
    ObjectOut o(w, m_version, m_state.extrasOf(static_cast<uint64_t>(tableObj->objectId().handle())));
    w.plain(0, "TABLE");
    w.text(2, name);
    if (m_version != Version::R12) w.handle(5, static_cast<uint64_t>(tableObj->objectId().handle()));
    o.ownership(uint64_t(0));
    o.subclass("AcDbSymbolTable");
    w.integer(70, count);
    o.end(tableObj);
}

void DocumentWriter::table(const std::string& name)
{
    ZcDbObjectId tableId = modelledTable(m_db, name);
    const std::vector<RawRecord>* kept = nullptr;
    if (auto it = m_state.keptRecords.find(name); it != m_state.keptRecords.end()) kept = &it->second;
    int extra = kept != nullptr ? static_cast<int>(kept->size()) : 0;
    if (!tableId.isNull()) {
        auto* t = zrxhost::peek<ZcDbSymbolTable>(tableId);
        int count = 0;
        for (const ZcDbObjectId& id : zrxhost::recordIds(t)) count += id.isErased() ? 0 : 1;
        tableHead(name, t, count + extra);
        for (const ZcDbObjectId& id : zrxhost::recordIds(t)) {
            if (id.isErased()) continue;
            auto* rec = zrxhost::peek<ZcDbSymbolTableRecord>(id);
            ObjectOut o(w, m_version, m_state.extrasOf(static_cast<uint64_t>(rec->objectId().handle())));
            o.begin(name, rec, name == "DIMSTYLE" ? 105 : 5);
            o.ownership(rec);
            writeTableRecord(o, name, rec, m_ctx);
            o.end(rec);
        }
    } else {
        auto found = m_state.rawTables.find(name);
        if (found == m_state.rawTables.end() || found->second.isErased()) return;
        auto* t = zrxhost::peek<ZcDbRawSymbolTable>(found->second);
        int count = 0;
        for (const ZcDbObjectId& id : t->recordIds()) count += id.isErased() ? 0 : 1;
        tableHead(name, t, count + extra);
        for (const ZcDbObjectId& id : t->recordIds()) {
            if (id.isErased()) continue;
            auto* rec = zrxhost::peek<ZcDbRawTableRecord>(id);
            ObjectOut o(w, m_version, &rec->data());
            o.begin(rec->isA()->dxfName(), rec);
            o.ownership(rec);
            o.end(rec);
        }
    }
    if (kept != nullptr) {
        for (const RawRecord& r : *kept) writeRawRecord(w, m_version, r);
    }
    w.plain(0, "ENDTAB");
}

void DocumentWriter::blocks()
{
    w.plain(0, "SECTION");
    w.plain(2, "BLOCKS");
    auto* t = zrxhost::peek<ZcDbBlockTable>(m_db->blockTableId());
    for (const ZcDbObjectId& id : zrxhost::recordIds(t)) {
        if (!id.isErased()) block(zrxhost::peek<ZcDbBlockTableRecord>(id));
    }
    w.plain(0, "ENDSEC");
}

void DocumentWriter::block(const ZcDbBlockTableRecord* btr)
{
    const BlockEnds& ends = m_state.blockEnds[static_cast<uint64_t>(btr->objectId().handle())];
    uint64_t owner = static_cast<uint64_t>(btr->objectId().handle());
    {
        ObjectOut o(w, m_version, &ends.begin);
        o.begin("BLOCK", ends.beginHandle, owner);
        o.ownership(owner);
        o.subclass("AcDbEntity");
        if (!o.kept(8)) w.plain(8, "0");
        o.subclass("AcDbBlockBegin");
        w.text(2, zrxhost::recordName(btr));
        int64_t flags = (btr->isAnonymous() ? 1 : 0) | (btr->hasAttributeDefinitions() ? 2 : 0) |
                        (btr->isFromExternalReference() ? 4 : 0) | ends.begin.bitsOf(70);
        w.integer(70, flags);
        ZcGePoint3d p = btr->origin();
        w.point(10, p.x, p.y, p.z);
        w.text(3, zrxhost::recordName(btr));
        const char* path = "";
        btr->pathName(path);
        w.text(1, path);
        const char* comments = "";
        btr->comments(comments);
        if (comments[0] != '\0' && m_version != Version::R12) w.text(4, comments);
        o.end();
    }
    bool layout = btr->objectId() == zrxhost::modelSpaceId(m_db) || btr->objectId() == zrxhost::paperSpaceId(m_db);
    if (!layout) {
        for (const ZcDbObjectId& id : zrxhost::entityIds(btr)) {
            if (!id.isErased()) entity(zrxhost::peek<ZcDbEntity>(id));
        }
    }
    ObjectOut o(w, m_version, &ends.end);
    o.begin("ENDBLK", ends.endHandle, owner);
    o.ownership(owner);
    o.subclass("AcDbEntity");
    if (!o.kept(8)) w.plain(8, "0");
    o.subclass("AcDbBlockEnd");
    o.end();
}

void DocumentWriter::entities()
{
    w.plain(0, "SECTION");
    w.plain(2, "ENTITIES");
    for (ZcDbObjectId space : {zrxhost::modelSpaceId(m_db), zrxhost::paperSpaceId(m_db)}) {
        auto* btr = zrxhost::peek<ZcDbBlockTableRecord>(space);
        if (btr == nullptr) continue;
        for (const ZcDbObjectId& id : zrxhost::entityIds(btr)) {
            if (!id.isErased()) entity(zrxhost::peek<ZcDbEntity>(id));
        }
    }
    w.plain(0, "ENDSEC");
}

void DocumentWriter::entity(const ZcDbEntity* e)
{
    if (auto* raw = ZcDbRawEntity::cast(e)) {
        std::string_view type = raw->isA()->dxfName();
        if (m_version == Version::R12 && !r12Kind(type)) {
            drop(type);
            return;
        }
        ObjectOut o(w, m_version, &raw->data());
        writeEntityHead(o, type, e, m_ctx, raw->data().readColor);
        o.end(e);
        for (const RawRecord& f : raw->followers()) writeRawRecord(w, m_version, f);
        return;
    }
    const EntityCodec* codec = codecForClass(e->isA());
    std::string_view type = codec != nullptr ? codec->type : std::string_view();
    if (codec != nullptr && m_version == Version::R12 && codec->r12Type != nullptr) type = codec->r12Type;
    if (type.empty()) {
        drop(codec != nullptr ? codec->type : e->isA()->dxfName());
        return;
    }
    const Extras* extras = m_state.extrasOf(static_cast<uint64_t>(e->objectId().handle()));
    ObjectOut o(w, m_version, extras);
    writeEntityHead(o, type, e, m_ctx, extras != nullptr ? extras->readColor : -1);
    codec->write(o, e, m_ctx);
    o.end(e);
}

void DocumentWriter::drop(std::string_view kind)
{
    for (auto& [k, n] : m_dropped) {
        if (k == kind) {
            ++n;
            return;
        }
    }
    m_dropped.emplace_back(std::string(kind), 1);
}

void DocumentWriter::objects()
{
    w.plain(0, "SECTION");
    w.plain(2, "OBJECTS");
    // The root dictionary opens the section, as readers expect.
    if (auto* root = zrxhost::peek<ZcDbObject>(m_db->namedObjectsDictionaryId())) object(root);
    for (const zrxhost::ObjectStub& s : zrxhost::stateOf(m_db)->stubs()) {
        if (s.object == nullptr || s.erased || !isFileObject(s.object)) continue;
        if (s.object->objectId() == m_db->namedObjectsDictionaryId()) continue;
        object(s.object);
    }
    w.plain(0, "ENDSEC");
}

void DocumentWriter::object(const ZcDbObject* obj)
{
    if (auto* raw = ZcDbRawObject::cast(obj)) {
        ObjectOut o(w, m_version, &raw->data());
        o.begin(raw->isA()->dxfName(), obj);
        o.ownership(obj);
        o.end(obj);
        return;
    }
    const Extras* extras = m_state.extrasOf(static_cast<uint64_t>(obj->objectId().handle()));
    ObjectOut o(w, m_version, extras);
    if (auto* dict = ZcDbDictionary::cast(obj)) {
        o.begin("DICTIONARY", obj);
        o.ownership(obj);
        o.subclass("AcDbDictionary");
        int64_t hardOwner = 0;
        parseInt(o.keptValue(280), hardOwner);
        int code = hardOwner == 1 ? 360 : 350;
        for (const auto& [key, id] : zrxhost::entries(dict)) {
            if (id.isErased()) continue;
            w.text(3, key);
            w.handle(code, static_cast<uint64_t>(id.handle()));
        }
        o.end(obj);
    } else if (auto* group = ZcDbGroup::cast(obj)) {
        o.begin("GROUP", obj);
        o.ownership(obj);
        o.subclass("AcDbGroup");
        w.text(300, group->description());
        w.integer(70, group->isAnonymous() ? 1 : 0);
        w.integer(71, group->isSelectable() ? 1 : 0);
        for (const ZcDbObjectId& id : zrxhost::memberIds(group)) {
            if (!id.isErased()) w.handle(340, static_cast<uint64_t>(id.handle()));
        }
        o.end(obj);
    }
}

}  // namespace zrx::dxf
