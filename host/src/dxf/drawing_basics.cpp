// What every drawing holds, made when a file lacks it (R12 files have no block records,
// minimal files have no tables at all). New content takes handles past the file's own.
#include "db/database_impl.h"
#include "db_block.h"
#include "db_dictionary.h"
#include "db_tables.h"
#include "dxf/document_reader.h"
#include "zrxhost/contract.h"

namespace zrx::dxf {

namespace {

template <class Table>
void ensureTable(ZcDbDatabase* db, ZcDbObjectId& slot)
{
    if (!slot.isNull()) return;
    auto* table = new Table;
    db->addZcDbObject(slot, table);
    table->close();
}

template <class Table, class Record>
ZcDbObjectId ensureRecord(ZcDbObjectId tableId, const char* name, Record* fresh = nullptr)
{
    auto* table = zrxhost::peek<Table>(tableId);
    ZcDbObjectId id;
    if (table->getAt(name, id, true) == Zcad::eOk) {
        delete fresh;
        return id;
    }
    Record* record = fresh != nullptr ? fresh : new Record;
    record->setName(name);
    table->add(id, record);
    record->close();
    return id;
}

}  // namespace

void DocumentReader::ensureBasics()
{
    ZcDbDatabase* db = c.db;
    zrxhost::DatabaseState* d = zrxhost::stateOf(db);
    // Handles of the file come first: new content goes past everything seen so far.
    d->reserveHandlesBelow(std::max(m_handseed, c.highestHandle + 1));
    ensureTable<ZcDbBlockTable>(db, d->blockTable);
    ensureTable<ZcDbLayerTable>(db, d->layerTable);
    ensureTable<ZcDbTextStyleTable>(db, d->textStyleTable);
    ensureTable<ZcDbLinetypeTable>(db, d->linetypeTable);
    ensureTable<ZcDbRegAppTable>(db, d->regAppTable);
    ensureTable<ZcDbDimStyleTable>(db, d->dimStyleTable);

    d->modelSpace = ensureRecord<ZcDbBlockTable, ZcDbBlockTableRecord>(d->blockTable, ZCDB_MODEL_SPACE);
    d->paperSpace = ensureRecord<ZcDbBlockTable, ZcDbBlockTableRecord>(d->blockTable, ZCDB_PAPER_SPACE);
    d->byBlockLt = ensureRecord<ZcDbLinetypeTable, ZcDbLinetypeTableRecord>(d->linetypeTable, "ByBlock");
    d->byLayerLt = ensureRecord<ZcDbLinetypeTable, ZcDbLinetypeTableRecord>(d->linetypeTable, "ByLayer");
    auto* solid = new ZcDbLinetypeTableRecord;
    solid->setComments("Solid line");
    d->continuousLt = ensureRecord<ZcDbLinetypeTable, ZcDbLinetypeTableRecord>(d->linetypeTable, "Continuous", solid);
    auto* layer0 = new ZcDbLayerTableRecord;
    layer0->setLinetypeObjectId(d->continuousLt);
    ZcDbObjectId zero = ensureRecord<ZcDbLayerTable, ZcDbLayerTableRecord>(d->layerTable, "0", layer0);
    ZcDbObjectId standard = ensureRecord<ZcDbTextStyleTable, ZcDbTextStyleTableRecord>(d->textStyleTable, "Standard");
    ZcDbObjectId dimStandard;
    auto* dimStyles = zrxhost::peek<ZcDbDimStyleTable>(d->dimStyleTable);
    if (zrxhost::recordIds(dimStyles).isEmpty()) {
        auto* rec = new ZcDbDimStyleTableRecord;
        rec->setDimtxsty(standard);
        dimStandard = ensureRecord<ZcDbDimStyleTable, ZcDbDimStyleTableRecord>(d->dimStyleTable, "Standard", rec);
    } else if (dimStyles->getAt("Standard", dimStandard) != Zcad::eOk) {
        dimStandard = zrxhost::recordIds(dimStyles)[0];
    }
    ensureRecord<ZcDbRegAppTable, ZcDbRegAppTableRecord>(d->regAppTable, "ACAD");
    if (d->clayer.isNull()) d->clayer = zero;
    if (d->celtype.isNull()) d->celtype = d->byLayerLt;
    if (d->textstyle.isNull()) d->textstyle = standard;
    if (d->dimstyle.isNull()) d->dimstyle = dimStandard;
}

namespace {

// An entry kept as read because it named nothing would stand beside the one that replaces it.
void dropKeptEntry(ReadContext& c, ZcDbObjectId dictId, const std::string& key)
{
    auto found = c.state.extras.find(static_cast<uint64_t>(dictId.handle()));
    if (found == c.state.extras.end()) return;
    for (ExtraSection& s : found->second.sections) {
        if (s.marker != "AcDbDictionary") continue;
        for (size_t i = 0; i + 1 < s.tags.size();) {
            if (s.tags[i].code == 3 && s.tags[i].value == key) {
                c.repair(0, "dictionary entry \"" + key + "\" (" + s.tags[i + 1].value + ") names nothing; a new one takes its place");
                s.tags.erase(s.tags.begin() + static_cast<std::ptrdiff_t>(i), s.tags.begin() + static_cast<std::ptrdiff_t>(i) + 2);
            } else {
                i += 2;
            }
        }
    }
}

}  // namespace

void DocumentReader::ensureObjects()
{
    zrxhost::DatabaseState* d = zrxhost::stateOf(c.db);
    if (d->namedObjects.isNull()) {
        auto* root = new ZcDbDictionary;
        c.db->addZcDbObject(d->namedObjects, root);
        root->close();
    }
    if (d->groupDictionary.isNull()) {
        auto* root = zrxhost::peek<ZcDbDictionary>(d->namedObjects);
        dropKeptEntry(c, d->namedObjects, "ACAD_GROUP");
        auto* groups = new ZcDbDictionary;
        root->setAt("ACAD_GROUP", groups, d->groupDictionary);
        groups->close();
    }
}

}  // namespace zrx::dxf
