#include "drafting/frame_marks.h"

#include <memory>
#include <string>
#include <vector>

#include "core/lisp_args.h"

namespace {

// Every registered application whose name holds "WFRMNO-"; false when the table cannot be read.
bool markApplications(ZcDbDatabase* db, std::vector<std::string>& names)
{
    ZcDbRegAppTable* table = nullptr;
    if (db == nullptr || db->getRegAppTable(table, ZcDb::kForRead) != Zcad::eOk) {
        zcutPrintf("\n getRegAppTable() ERROR");
        return false;
    }
    ZcDbSymbolTableIterator* raw = nullptr;
    if (static_cast<ZcDbSymbolTable*>(table)->newIterator(raw) != Zcad::eOk) {
        table->close();
        zcutPrintf("\n newIterator() ERROR");
        return false;
    }
    std::unique_ptr<ZcDbSymbolTableIterator> it(raw);
    for (; !it->done(); it->step()) {
        ZcDbSymbolTableRecord* record = nullptr;
        if (it->getRecord(record, ZcDb::kForRead) != Zcad::eOk) continue;
        const char* name = nullptr;
        record->getName(name);
        if (name != nullptr && std::string(name).find("WFRMNO-") != std::string::npos) names.emplace_back(name);
        record->close();
    }
    table->close();
    return true;
}

}  // namespace

int TrevanComARX_delXdataWFRMNO()
{
    TrevanLispArgs args;
    ads_name name;
    if (!args.entName(name)) return args.fail();
    ZcDbObjectId id;
    if (zcdbGetObjectId(id, name) != Zcad::eOk) {
        zcutPrintf("\n acdbGetObjectId() ERROR");
        return TrevanLispArgs::retNil();
    }
    std::vector<std::string> apps;
    if (!markApplications(id.database(), apps)) return TrevanLispArgs::retNil();
    ZcDbObjectPointer<ZcDbEntity> entity(id, ZcDb::kForWrite);
    if (entity.openStatus() != Zcad::eOk) {
        zcutPrintf("\nacdbOpenAcDbEntity ERROR");
        return TrevanLispArgs::retNil();
    }
    // xdata of an application given by its name alone is the application's removal.
    for (const std::string& app : apps) {
        resbuf* bare = zcutBuildList(1001, app.c_str(), 0);
        entity->setXData(bare);
        zcutRelRb(bare);
    }
    return TrevanLispArgs::retT();
}
