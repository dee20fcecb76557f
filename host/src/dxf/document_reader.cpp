// Sections, header, classes and tables of a drawing file.
#include "dxf/document_reader.h"

#include <algorithm>
#include <cmath>
#include <memory>

#include "db/database_impl.h"
#include "db_block.h"
#include "db_tables.h"
#include "dxf/entity_codec.h"
#include "dxf/raw_objects.h"
#include "dxf/table_codec.h"
#include "dxf/tag_writer.h"
#include "zrxhost/contract.h"
#include "db/record_name.h"

namespace zrx::dxf {

namespace {
std::string_view trimmedType(std::string_view v)
{
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t')) v.remove_suffix(1);
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t')) v.remove_prefix(1);
    return v;
}

const char* tableClassName(std::string_view t)
{
    if (t == "VPORT") return "AcDbViewportTable";
    if (t == "VIEW") return "AcDbViewTable";
    if (t == "UCS") return "AcDbUCSTable";
    return "AcDbSymbolTable";
}

ZcDbSymbolTable* newTable(std::string_view t)
{
    if (t == "LAYER") return new ZcDbLayerTable;
    if (t == "LTYPE") return new ZcDbLinetypeTable;
    if (t == "STYLE") return new ZcDbTextStyleTable;
    if (t == "DIMSTYLE") return new ZcDbDimStyleTable;
    if (t == "APPID") return new ZcDbRegAppTable;
    return new ZcDbBlockTable;
}
}  // namespace

DocumentReader::DocumentReader(ZcDbDatabase* db, std::string_view text, std::string file)
    : m_text(text), m_in(text, file), c(db, file)
{
}

void DocumentReader::renumberHandles()
{
    m_renumbering = std::make_unique<HandleRenumbering>(m_text, c.file);
    // Objects the file gives no handle take theirs past the new ones.
    zrxhost::stateOf(c.db)->reserveHandlesBelow(m_renumbering->end());
    const size_t n = m_renumbering->count();
    c.repair(m_renumbering->firstLine(), "handles out of range (the next one would overflow): " +
                                             (n == 1 ? std::string("1 object gets a new handle")
                                                     : std::to_string(n) + " objects get new handles") +
                                             ", new handles from " + formatHandle(m_renumbering->firstNew()));
}

bool DocumentReader::nextRecord(Record& r)
{
    if (m_haveNext) {
        std::swap(r, m_next);
        m_haveNext = false;
        return true;
    }
    Tag t;
    if (!m_in.next(t)) return false;
    if (t.code != 0) {
        c.fail(Zcad::eBadDxfSequence, t.line, "group " + std::to_string(t.code) + " where an object (group 0) belongs");
    }
    r.clear();
    r.type = trimmedType(t.value);
    r.line = t.line;
    Tag p;
    while (m_in.nextInObject(p)) r.add(p);
    if (m_renumbering) m_renumbering->apply(r);
    return true;
}

bool DocumentReader::peekType(std::string_view& type)
{
    if (!m_haveNext) {
        if (!nextRecord(m_next)) return false;
        m_haveNext = true;
    }
    type = m_next.type;
    return true;
}

void DocumentReader::truncated(const std::string& where) const
{
    throw DxfError(Zcad::eBadDxfSequence, c.file, m_in.line(), "the file ends early: " + where + " is missing");
}

std::string DocumentReader::className(const Record& r) const
{
    for (const RawRecord& cls : c.state.classes) {
        std::string dxf, name;
        for (const KeptTag& t : cls.tags) {
            if (t.code == 1) dxf = t.value;
            else if (t.code == 2) name = t.value;
        }
        if (dxf == r.type && !name.empty()) return name;
    }
    if (r.hasMarkers()) return std::string(r.markerNames.back());
    return std::string(r.type);
}

void DocumentReader::read()
{
    Record r;
    bool sawEof = false;
    while (nextRecord(r)) {
        if (r.type == "EOF") {
            sawEof = true;
            break;
        }
        if (r.type != "SECTION") c.fail(Zcad::eBadDxfSequence, r.line, "\"" + std::string(r.type) + "\" outside any section");
        if (r.size() == 0 || r[0].code != 2) c.fail(Zcad::eBadDxfSequence, r.line, "a section without a name");
        std::string name(trimmedType(r[0].value));
        if (name == "HEADER") {
            m_header.clear();
            for (size_t i = 1; i < r.size(); ++i) {
                if (r[i].code == 9) m_header.emplace_back(std::string(trimmedType(r[i].value)), std::vector<Tag>{});
                else if (!m_header.empty()) m_header.back().second.push_back(r[i]);
            }
            header();
        } else if (name == "CLASSES") {
            classes();
        } else if (name == "TABLES") {
            tables();
        } else if (name == "BLOCKS") {
            ensureBasics();
            blocks();
        } else if (name == "ENTITIES") {
            ensureBasics();
            entities();
        } else if (name == "OBJECTS") {
            ensureBasics();
            objects();
        } else {
            RawSection raw{name, {}};
            for (size_t i = 1; i < r.size(); ++i) {
                c.checkValue(r[i]);
                raw.tags.push_back(KeptTag{r[i].code, c.text(r[i])});
            }
            c.state.otherSections.push_back(std::move(raw));
            otherSection(name);
        }
    }
    if (!sawEof) truncated("the end-of-file marker (0 EOF)");
    ensureBasics();
    ensureObjects();
    applyHeader();
    c.runLater();
    uint64_t seed = std::max(m_handseed, c.highestHandle + 1);
    zrxhost::stateOf(c.db)->reserveHandlesBelow(seed);
}

void DocumentReader::header()
{
    for (const auto& [name, values] : m_header) {
        if (name == "$ACADVER" && !values.empty()) m_acadver = std::string(trimmedType(values[0].value));
        if (name == "$DWGCODEPAGE" && !values.empty()) c.state.codePage = std::string(trimmedType(values[0].value));
        if (name == "$HANDSEED" && !values.empty() && parseHandle(values[0].value, m_handseed) &&
            m_handseed > kLastHandle) {
            // Renumbered, the objects themselves say where new handles start.
            if (!m_renumbering) throw HandlesExhausted(c.file, values[0].line);
            m_handseed = 0;
        }
    }
    // Objects the file gives no handle (R12 table heads) are numbered past its seed.
    zrxhost::stateOf(c.db)->reserveHandlesBelow(m_handseed);
    c.version = versionFromAcadver(m_acadver);
    c.codePage = atLeast(c.version, Version::R2007) ? CodePage::utf8() : CodePage(c.state.codePage);
    for (const auto& [name, values] : m_header) {
        HeaderVariable v{name, {}};
        for (const Tag& t : values) {
            c.checkValue(t);
            v.values.push_back(KeptTag{t.code, c.text(t)});
        }
        c.state.header.push_back(std::move(v));
    }
    Record end;
    if (!nextRecord(end)) truncated("the end of the HEADER section");
    if (end.type != "ENDSEC") c.fail(Zcad::eBadDxfSequence, end.line, "the HEADER section is not ended");
}

void DocumentReader::applyHeader()
{
    auto named = [this](const char* var) -> std::string {
        const HeaderVariable* v = c.state.variable(var);
        return v != nullptr && !v->values.empty() ? v->values[0].value : std::string();
    };
    ZcDbObjectId id;
    if (!(id = c.layer(named("$CLAYER").empty() ? "0" : named("$CLAYER"), 0)).isNull()) c.db->setClayer(id);
    if (!(id = c.linetype(named("$CELTYPE"))).isNull()) c.db->setCeltype(id);
    if (!(id = c.textStyle(named("$TEXTSTYLE"))).isNull()) c.db->setTextstyle(id);
    if (!(id = c.dimStyle(named("$DIMSTYLE"))).isNull()) c.db->setDimstyle(id);
    applyUcs();
}

// The drawing's insertion base and current UCS; a header without a UCS, or with axes that
// make no coordinate system, leaves the world.
void DocumentReader::applyUcs()
{
    auto point = [this](const char* var, ZcGePoint3d& p) {
        const HeaderVariable* v = c.state.variable(var);
        if (v == nullptr) return false;
        int found = 0;
        for (const KeptTag& t : v->values) {
            const int axis = t.code / 10 - 1;
            if (t.code % 10 != 0 || axis < 0 || axis > 2 || !parseDouble(t.value, p[axis])) return false;
            found |= 1 << axis;
        }
        return found == 7;
    };
    ZcGePoint3d base;
    if (point("$INSBASE", base)) zrxhost::stateOf(c.db)->insbase = base;
    ZcGePoint3d origin, x, y;
    if (!point("$UCSORG", origin) || !point("$UCSXDIR", x) || !point("$UCSYDIR", y)) return;
    ZcGeVector3d xAxis = x.asVector(), yAxis = y.asVector();
    if (xAxis.isZeroLength() || yAxis.isZeroLength()) return;
    xAxis.normalize();
    yAxis.normalize();
    // Files written with few digits give axes a little off the right angle: squared up.
    constexpr double kRightAngleSlack = 1e-4;
    if (std::fabs(xAxis.dotProduct(yAxis)) > kRightAngleSlack) return;
    const ZcGeVector3d zAxis = xAxis.crossProduct(yAxis).normal();
    yAxis = zAxis.crossProduct(xAxis);
    ZcGeMatrix3d ucs;
    ucs.setCoordSystem(origin, xAxis, yAxis, zAxis);
    zrxhost::stateOf(c.db)->ucs = ucs;
}

void DocumentReader::classes()
{
    Record r;
    while (nextRecord(r)) {
        if (r.type == "ENDSEC") return;
        c.state.classes.push_back(r.kept(c.codePage, c.file));
    }
    truncated("the end of the CLASSES section");
}

void DocumentReader::otherSection(const std::string& name)
{
    Record r;
    while (nextRecord(r)) {
        if (r.type == "ENDSEC") return;
        RawSection& raw = c.state.otherSections.back();
        raw.tags.push_back(KeptTag{0, std::string(r.type)});
        for (const Tag& t : r.tags) {
            c.checkValue(t);
            raw.tags.push_back(KeptTag{t.code, c.text(t)});
        }
    }
    truncated("the end of the " + name + " section");
}

void DocumentReader::tables()
{
    Record r;
    while (nextRecord(r)) {
        if (r.type == "ENDSEC") return;
        if (r.type != "TABLE") c.fail(Zcad::eBadDxfSequence, r.line, "\"" + std::string(r.type) + "\" where a TABLE belongs");
        table(r);
    }
    truncated("the end of the TABLES section");
}

// A second record of a name keeps its settings and whatever refers to it by handle under
// a name of its own; references by name mean the first.
void DocumentReader::renameDuplicate(const std::string& table, uint32_t line, ZcDbSymbolTableRecord* rec,
                                     const ZcDbSymbolTable* records)
{
    const std::string name = zrxhost::recordName(rec);
    std::string unique;
    for (int n = 2;; ++n) {
        unique = name + "$" + std::to_string(n);
        if (!records->has(unique.c_str())) break;
    }
    rec->setName(unique.c_str());
    c.repair(line, "a second " + table + " record named \"" + name + "\" is renamed \"" + unique + "\"");
}

ZcDbObject* DocumentReader::tableOf(const std::string& name) const
{
    zrxhost::DatabaseState* impl = zrxhost::stateOf(c.db);
    ZcDbObjectId id;
    if (name == "LAYER") id = impl->layerTable;
    else if (name == "LTYPE") id = impl->linetypeTable;
    else if (name == "STYLE") id = impl->textStyleTable;
    else if (name == "DIMSTYLE") id = impl->dimStyleTable;
    else if (name == "APPID") id = impl->regAppTable;
    else if (name == "BLOCK_RECORD") id = impl->blockTable;
    else id = c.state.rawTables.at(name);
    return zrxhost::stubOf(id)->object;
}

ZcDbObject* DocumentReader::newTableObject(const std::string& name, Record& head)
{
    ObjectHead h = readHead(head, c);
    zrxhost::DatabaseState* impl = zrxhost::stateOf(c.db);
    std::unique_ptr<ZcDbObject> freshTable;
    if (modelledTableClass(name) != nullptr) {
        freshTable.reset(newTable(name));
    } else {
        freshTable = std::make_unique<ZcDbRawSymbolTable>(rawClass(ZcDbRawSymbolTable::desc(), tableClassName(name), "TABLE"), name);
    }
    ZcDbObjectId tableId;
    c.withHandle(h.handle, head.line, [&] { return c.db->addZcDbObject(tableId, freshTable.get()); });
    ZcDbObject* tableObj = freshTable.release();
    tableObj->close();
    readXdataInto(head, c, tableObj);
    queueReactors(c, tableObj, h);
    Extras headKept = head.leftovers(c.codePage, c.file);
    if (!headKept.empty()) c.state.extras[static_cast<uint64_t>(tableObj->objectId().handle())] = std::move(headKept);
    if (name == "LAYER") impl->layerTable = tableId;
    else if (name == "LTYPE") impl->linetypeTable = tableId;
    else if (name == "STYLE") impl->textStyleTable = tableId;
    else if (name == "DIMSTYLE") impl->dimStyleTable = tableId;
    else if (name == "APPID") impl->regAppTable = tableId;
    else if (name == "BLOCK_RECORD") impl->blockTable = tableId;
    else c.state.rawTables[name] = tableId;
    return tableObj;
}

namespace {

bool hasName(const Record& r)
{
    for (size_t i = 0; i < r.size(); ++i) {
        if (r[i].code == 2 && !trimmedType(r[i].value).empty()) return true;
    }
    return false;
}

// The tables a drawing file has.
bool drawingTable(const std::string& name)
{
    static const char* const kTables[] = {"APPID", "BLOCK_RECORD", "DIMSTYLE", "LAYER", "LTYPE",
                                          "STYLE", "UCS",          "VIEW",     "VPORT"};
    return std::any_of(std::begin(kTables), std::end(kTables), [&](const char* t) { return name == t; });
}

}  // namespace

void DocumentReader::table(Record& head)
{
    std::string name;
    for (size_t i = 0; i < head.size(); ++i) {
        if (head[i].code == 2 && name.empty()) {
            name = std::string(trimmedType(head[i].value));
            head.use(i);
        } else if (head[i].code == 70 && head.markerAt(i) != "AcDbDimStyleTable") {
            head.integer(i, c.file);  // the record count is written anew
        }
    }
    if (!drawingTable(name)) {
        // No reader takes a table of another name back: it goes, with its records.
        c.claimHandle(readHead(head, c).handle, head.line);
        c.repair(head.line, "a table named \"" + name + "\" is none a drawing has; it is dropped with its records");
        Record r;
        while (nextRecord(r)) {
            if (r.type == "ENDTAB") return;
            c.claimHandle(readHead(r, c).handle, r.line);
        }
        truncated("the end of the " + name + " table (ENDTAB)");
    }
    ZcRxClass* modelled = modelledTableClass(name);
    ZcDbObject* tableObj = nullptr;
    if (std::find(c.state.tableOrder.begin(), c.state.tableOrder.end(), name) != c.state.tableOrder.end()) {
        // A second table of a name: its records join the first's, as one table is all a
        // drawing can have of each.
        c.repair(head.line, "a second " + name + " table is read into the first");
        tableObj = tableOf(name);
    } else {
        c.state.tableOrder.push_back(name);
        tableObj = newTableObject(name, head);
    }

    Record r;
    while (nextRecord(r)) {
        if (r.type == "ENDTAB") return;
        ObjectHead rh = readHead(r, c, r.type == "DIMSTYLE" ? 105 : 5);
        Extras kept;
        c.current = &kept;
        if (modelled != nullptr) {
            std::unique_ptr<ZcDbSymbolTableRecord> fresh(r.type == name ? readTableRecord(name, r, c) : nullptr);
            ZcDbObjectId id;
            Zcad::ErrorStatus es = Zcad::eInvalidInput;
            if (fresh != nullptr) {
                auto add = [&] { return static_cast<ZcDbSymbolTable*>(tableObj)->add(id, fresh.get()); };
                es = c.withHandle(rh.handle, r.line, add);
                if (es == Zcad::eDuplicateRecordName) {
                    renameDuplicate(name, r.line, fresh.get(), static_cast<ZcDbSymbolTable*>(tableObj));
                    es = c.withHandle(rh.handle, r.line, add);
                }
            }
            ZcDbSymbolTableRecord* rec = es == Zcad::eOk ? fresh.release() : nullptr;
            if (rec == nullptr && !hasName(r)) {
                // Nothing can name it, and no reader takes a record without its name back.
                c.claimHandle(rh.handle, r.line);
                c.repair(r.line, "a " + name + " record without a name is dropped");
                continue;
            }
            if (rec == nullptr) {
                // Kept as it is: a record no host record can hold.
                c.claimHandle(rh.handle, r.line);
                r.resetUse();
                c.state.keptRecords[name].push_back(r.kept(c.codePage, c.file));
                continue;
            }
            rec->close();
            readRecordLinks(r, c, rec);
            readXdataInto(r, c, rec);
            queueReactors(c, rec, rh);
            Extras left = r.leftovers(c.codePage, c.file);
            kept.sections = std::move(left.sections);
            if (!kept.empty()) c.state.extras[static_cast<uint64_t>(rec->objectId().handle())] = std::move(kept);
        } else {
            auto fresh = std::make_unique<ZcDbRawTableRecord>(
                rawClass(ZcDbRawTableRecord::desc(), className(r), std::string(r.type)), Extras());
            for (size_t i = 0; i < r.size(); ++i) {
                if (r[i].code == 2) {
                    fresh->setName(c.text(r[i]).c_str());
                    break;
                }
            }
            ZcDbObjectId id;
            c.withHandle(rh.handle, r.line, [&] { return static_cast<ZcDbRawSymbolTable*>(tableObj)->add(id, fresh.get()); });
            ZcDbRawTableRecord* rec = fresh.release();
            rec->close();
            readXdataInto(r, c, rec);
            queueReactors(c, rec, rh);
            rec->setData(r.leftovers(c.codePage, c.file, true));
        }
    }
    truncated("the end of the " + name + " table (ENDTAB)");
}

}  // namespace zrx::dxf
