// Entities to pairs and back through the file codecs, in memory.
#include "dxf/entity_pairs.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "db/database_impl.h"
#include "db_tables.h"
#include "dxf/entity_codec.h"
#include "dxf/raw_objects.h"
#include "dxf/table_codec.h"
#include "dxf/tag_writer.h"
#include "zrxhost/contract.h"

namespace zrx::dxf {
namespace {

// Written pairs ("  0\nLINE\n…") back into pairs, up to the next object.
KeptTags parsePairs(const char* text, size_t size)
{
    KeptTags out;
    out.reserve(32);
    std::string_view rest(text, size);
    auto line = [&rest]() {
        size_t end = rest.find('\n');
        std::string_view l = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        return l;
    };
    while (!rest.empty()) {
        int64_t code = 0;
        if (!parseInt(line(), code)) break;
        std::string_view value = line();
        if (code == 0 && !out.empty()) break;
        out.push_back({static_cast<int>(code), std::string(value)});
    }
    return out;
}

bool registered(ZcDbDatabase* db, const std::string& app)
{
    zrxhost::HostAccess access;
    auto* table = zrxhost::peek<ZcDbSymbolTable>(db->regAppTableId());
    return table != nullptr && table->has(app.c_str());
}

// One writer into memory, kept: setting a writer up (its buffer, the code page) cost more
// than most entities take to write.
struct MemoryWriter {
    char* buffer = nullptr;
    size_t size = 0;
    std::FILE* f = open_memstream(&buffer, &size);
    TagWriter w{f, "entget", CodePage::utf8()};
};

// What a writer puts in memory, as pairs.
template <class Write>
KeptTags written(ZcDbDatabase* db, Write write)
{
    static MemoryWriter* memory = new MemoryWriter;
    if (memory->f == nullptr) return {};
    FileState& state = fileState(db);
    WriteContext c;
    c.db = db;
    c.state = &state;
    c.newHandle = [] { return uint64_t{0}; };
    c.writeEntity = [](const ZcDbEntity*) {};
    std::fseek(memory->f, 0, SEEK_SET);
    write(memory->w, c, state);
    memory->w.flush();
    std::fflush(memory->f);
    return parsePairs(memory->buffer, static_cast<size_t>(std::ftell(memory->f)));
}

}  // namespace

KeptTags entityPairs(const ZcDbEntity* e)
{
    ZcDbDatabase* db = e->database();
    const EntityCodec* codec = codecForClass(e->isA());
    auto* raw = ZcDbRawEntity::cast(e);
    if (db == nullptr || (codec == nullptr && raw == nullptr)) return {};
    return written(db, [&](TagWriter& w, WriteContext& c, FileState& state) {
        if (raw != nullptr) {
            ObjectOut o(w, c.version, &raw->data());
            writeEntityHead(o, raw->isA()->dxfName(), e, c, raw->data().readColor);
            o.end(e);
            return;
        }
        const Extras* extras = state.extrasOf(e->objectId().handle());
        ObjectOut o(w, c.version, extras);
        writeEntityHead(o, codec->type, e, c, extras != nullptr ? extras->readColor : -1);
        codec->write(o, e, c);
        o.end(e);
    });
}

KeptTags tableRecordPairs(std::string_view table, const ZcDbSymbolTableRecord* rec)
{
    ZcDbDatabase* db = rec->database();
    if (db == nullptr || modelledTableClass(table) == nullptr) return {};
    return written(db, [&](TagWriter& w, WriteContext& c, FileState& state) {
        ObjectOut o(w, c.version, state.extrasOf(rec->objectId().handle()));
        o.begin(table, rec, table == "DIMSTYLE" ? 105 : 5);
        o.ownership(rec);
        writeTableRecord(o, table, rec, c);
        o.end(rec);
    });
}

namespace {

bool commonCode(int code)
{
    return code == 6 || code == 8 || code == 48 || code == 60 || code == 62 || code == 370;
}

// A list may give a common property anywhere, as LISP programs append (62 . 1) to what
// entget gave: such pairs go back into the AcDbEntity part, where the codec reads them, a
// later one replacing an earlier one of its code.
KeptTags commonsInPlace(const KeptTags& pairs)
{
    size_t firstSubclass = pairs.size();
    for (size_t k = 0; k < pairs.size(); ++k) {
        if (pairs[k].code == 100 && pairs[k].value != "AcDbEntity") {
            firstSubclass = k;
            break;
        }
    }
    if (firstSubclass == pairs.size()) return pairs;
    KeptTags head(pairs.begin(), pairs.begin() + static_cast<std::ptrdiff_t>(firstSubclass));
    KeptTags rest;
    int group = 0;
    for (size_t k = firstSubclass; k < pairs.size(); ++k) {
        const KeptTag& t = pairs[k];
        if (t.code == 102) group = !t.value.empty() && t.value[0] == '{' ? 1 : 0;
        if (group == 0 && t.code == 1001) {
            rest.insert(rest.end(), pairs.begin() + static_cast<std::ptrdiff_t>(k), pairs.end());
            break;
        }
        if (group != 0 || !commonCode(t.code)) {
            rest.push_back(t);
            continue;
        }
        auto same = std::find_if(head.begin(), head.end(), [&](const KeptTag& h) { return h.code == t.code; });
        if (same != head.end()) *same = t;
        else head.push_back(t);
    }
    head.insert(head.end(), rest.begin(), rest.end());
    return head;
}

}  // namespace

ZcDbEntity* entityFromPairs(ZcDbDatabase* db, const KeptTags& given, std::string& reason)
{
    const KeptTags pairs = commonsInPlace(given);
    // The codecs look records up as the file reader does, without opening them.
    zrxhost::HostAccess access;
    if (pairs.empty() || pairs[0].code != 0) {
        reason = "no entity type (group 0)";
        return nullptr;
    }
    const EntityCodec* codec = codecForType(pairs[0].value);
    if (codec == nullptr) {
        reason = "not a kind of entity the host makes: " + pairs[0].value;
        return nullptr;
    }
    Record r;
    r.type = pairs[0].value;
    int group = 0;
    for (size_t k = 1; k < pairs.size(); ++k) {
        const KeptTag& t = pairs[k];
        if (t.code == 102) {
            group = !t.value.empty() && t.value[0] == '{' ? 1 : 0;
            continue;
        }
        if (group != 0 || t.code == 5 || t.code == 330 || t.code == -1) continue;
        if (t.code == 1001 && !registered(db, t.value)) {
            reason = "application not registered: " + t.value;
            return nullptr;
        }
        r.add(Tag{t.code, static_cast<uint32_t>(k), t.value});
    }
    for (std::string_view needed = codec->required; !needed.empty();) {
        size_t space = needed.find(' ');
        int64_t code = 0;
        parseInt(needed.substr(0, space), code);
        needed = space == std::string_view::npos ? std::string_view() : needed.substr(space + 1);
        bool present = false;
        for (size_t i = 0; i < r.size() && !present; ++i) present = r[i].code == code;
        if (!present) {
            reason = "group " + std::to_string(code) + " missing";
            return nullptr;
        }
    }
    try {
        ReadContext c(db, "entity list");
        c.codePage = CodePage::utf8();
        c.version = Version::R2013;
        Extras kept;
        c.current = &kept;
        std::unique_ptr<ZcDbEntity> e(codec->read(r, c));
        if (e == nullptr) {
            reason = "values the kind cannot hold";
            return nullptr;
        }
        readEntityCommon(r, c, e.get(), kept);
        readXdataInto(r, c, e.get());
        return e.release();
    } catch (const DxfError& error) {
        reason = error.what();
        return nullptr;
    }
}

}  // namespace zrx::dxf
