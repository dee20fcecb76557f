// Collecting the stiffeners of a drawing: model spaces of 10^4 to 10^6 entities, one in ten
// a stiffener (it carries "STIFF" xdata), the rest plain lines with other xdata or none.
// Goal: linear growth (the reported complexity should be O(N)) and under 0.2 us per entity.
#include <benchmark/benchmark.h>

#include <map>
#include <memory>

#include "TrevanCom2002.h"

namespace {

// The drawing with n entities, made once per size and kept for the program's run.
ZcDbDatabase* drawing(int64_t n)
{
    static std::map<int64_t, std::unique_ptr<ZcDbDatabase>> made;
    std::unique_ptr<ZcDbDatabase>& db = made[n];
    if (db) return db.get();
    db = std::make_unique<ZcDbDatabase>();
    for (const char* app : {"STIFF", "STIFF_LINK"}) {
        ZcDbRegAppTable* table = nullptr;
        db->getRegAppTable(table, ZcDb::kForWrite);
        auto* record = new ZcDbRegAppTableRecord;
        record->setName(app);
        table->add(record);
        record->close();
        table->close();
    }
    ZcDbBlockTableRecord* ms = nullptr;
    zcdbOpenObject(ms, db->modelSpaceId(), ZcDb::kForWrite);
    for (int64_t i = 0; i < n; ++i) {
        double y = static_cast<double>(i) * 10.0;
        auto* line = new ZcDbLine(ZcGePoint3d(0, y, 0), ZcGePoint3d(1000, y, 0));
        ms->appendZcDbEntity(line);
        if (i % 10 == 0) TrevanComARX_SetXdataStr(line, "STIFF", "FB_100x9");
        else if (i % 10 == 1) TrevanComARX_SetXdataStr(line, "STIFF_LINK", "1A");
        line->close();
    }
    ms->close();
    return db.get();
}

void BM_AllStiffeners(benchmark::State& state)
{
    ZcDbDatabase* db = drawing(state.range(0));
    zcdbHostApplicationServices()->setWorkingDatabase(db);
    for (auto _ : state) {
        ZcDbObjectIdArray ids;
        TrevanCom_GetAllStiffObjectIdArray(ids);
        benchmark::DoNotOptimize(ids.length());
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_AllStiffeners)->RangeMultiplier(10)->Range(10000, 1000000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace
