// Symbol tables: tblsearch, tblnext, tblobjname. Records come as the drawing file's
// pairs, without handles, owners and subclass markers, as the platform gives them.
#include <map>

#include "db/database_impl.h"
#include "dxf/entity_pairs.h"
#include "editor/editor.h"
#include "lisp/entity_list.h"
#include "lisp/interp.h"
#include "util/text_case.h"
#include "zrx/zrx_all.h"
#include "zrxhost/contract.h"
#include "db/record_name.h"
#include "db/access.h"

namespace zrxhost::lisp {
namespace {

ZcDbObjectId tableId(ZcDbDatabase* db, const std::string& table)
{
    if (table == "LAYER") return db->layerTableId();
    if (table == "LTYPE") return db->linetypeTableId();
    if (table == "STYLE") return db->textStyleTableId();
    if (table == "DIMSTYLE") return db->dimStyleTableId();
    if (table == "APPID") return db->regAppTableId();
    if (table == "BLOCK") return db->blockTableId();
    return {};
}

// Handles, owners, markers and pointers to objects are no part of a table list.
bool shown(int code)
{
    return code != 5 && code != 105 && code != 100 && code != 330 && !(code >= 340 && code <= 369) && code != 390;
}

ValuePtr entityName(ZcDbObjectId id)
{
    ads_name name;
    ed::nameOf(id, name);
    return makeEname(name);
}

ValuePtr blockList(const ZcDbBlockTableRecord* btr)
{
    std::vector<ValuePtr> items{cons(makeInt(0), makeStr("BLOCK")), cons(makeInt(2), makeStr(zrxhost::recordName(btr))),
                                cons(makeInt(70), makeInt(0))};
    ZcGePoint3d o = btr->origin();
    double p[3] = {o.x, o.y, o.z};
    items.push_back(cons(makeInt(10), makePoint(p)));
    for (const ZcDbObjectId& id : zrxhost::entityIds(btr)) {
        if (id.isErased()) continue;
        items.push_back(cons(makeInt(-2), entityName(id)));
        break;
    }
    return makeList(items);
}

ValuePtr recordList(const std::string& table, ZcDbObjectId id)
{
    auto* rec = peek<ZcDbSymbolTableRecord>(id);
    if (rec == nullptr) return nil();
    if (table == "BLOCK") return blockList(ZcDbBlockTableRecord::cast(rec));
    zrx::dxf::KeptTags pairs;
    int group = 0;
    for (const auto& p : zrx::dxf::tableRecordPairs(table, rec)) {
        if (p.code == 102) {
            group = !p.value.empty() && p.value[0] == '{';
            continue;
        }
        if (group == 0 && shown(p.code)) pairs.push_back(p);
    }
    ValuePtr whole = pairsToList(pairs, nil(), nullptr);
    return whole->cdr;  // no -1 for a table record
}

// Where tblnext stands in each table.
std::map<std::string, int>& cursors()
{
    static auto* m = new std::map<std::string, int>;
    return *m;
}

ValuePtr tblnext(const Args& a)
{
    arity(a, 1, 2);
    std::string table = upperAscii(str(a[0]));
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    if (db == nullptr) return nil();
    HostAccess access;
    auto* t = peek<ZcDbSymbolTable>(tableId(db, table));
    if (t == nullptr) return nil();
    int& at = cursors()[table];
    if (a.size() == 2 && !a[1]->isNil()) at = 0;
    const ZcDbObjectIdArray& ids = zrxhost::recordIds(t);
    while (at < ids.length()) {
        ZcDbObjectId id = ids[at++];
        if (id.isErased()) continue;
        // Model and paper space are no blocks for tblnext.
        if (table == "BLOCK") {
            std::string name = zrxhost::recordName(peek<ZcDbSymbolTableRecord>(id));
            if (!name.empty() && name[0] == '*') continue;
        }
        return recordList(table, id);
    }
    return nil();
}

ZcDbObjectId recordId(const Args& a)
{
    arity(a, 2, 3);
    std::string table = upperAscii(str(a[0]));
    const std::string& name = str(a[1]);
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    if (db == nullptr) return {};
    auto* t = peek<ZcDbSymbolTable>(tableId(db, table));
    ZcDbObjectId id;
    if (t == nullptr || t->getAt(name.c_str(), id) != Zcad::eOk) return {};
    return id;
}

}  // namespace

void addTableFunctions(Builtins& b)
{
    define(b, "TBLSEARCH", [](const Args& a) {
        HostAccess access;
        ZcDbObjectId id = recordId(a);
        if (id.isNull()) return nil();
        std::string table = upperAscii(a[0]->s);
        // With setnext, tblnext goes on from the record found.
        if (a.size() == 3 && !a[2]->isNil()) {
            auto* t = peek<ZcDbSymbolTable>(tableId(zcdbHostApplicationServices()->workingDatabase(), table));
            const ZcDbObjectIdArray& ids = zrxhost::recordIds(t);
            for (int k = 0; k < ids.length(); ++k) {
                if (ids[k] == id) cursors()[table] = k + 1;
            }
        }
        return recordList(table, id);
    });
    define(b, "TBLNEXT", tblnext);
    define(b, "TBLOBJNAME", [](const Args& a) {
        HostAccess access;
        ZcDbObjectId id = recordId(a);
        return id.isNull() ? nil() : entityName(id);
    });
}

}  // namespace zrxhost::lisp
