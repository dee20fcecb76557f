// Drawing database speed: appending lines, looking up every handle, and scanning model
// space for one xdata application per entity. Goals: under 200 ns per scanned entity and
// linear growth from 10^4 to 10^6 entities (the reported complexity should be O(N)).
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "zrx.h"
#include "zrxhost/spaces.h"

namespace {

struct Drawing {
    std::unique_ptr<ZcDbDatabase> db = std::make_unique<ZcDbDatabase>();
    std::vector<ZcDbHandle> handles;

    explicit Drawing(int64_t n, bool withXdata)
    {
        zcdbHostApplicationServices()->setWorkingDatabase(db.get());
        zcdbRegApp("STIFF");
        resbuf* xdata = zcutBuildList(1001, "STIFF", 1000, "L-100x75x7", 1040, 12.5, 1070, 1, 0);
        ZcDbBlockTableRecord* ms = nullptr;
        zcdbOpenObject(ms, zrxhost::modelSpaceId(db.get()), ZcDb::kForWrite);
        handles.reserve(static_cast<size_t>(n));
        for (int64_t i = 0; i < n; ++i) {
            auto* line = new ZcDbLine(ZcGePoint3d(double(i), 0, 0), ZcGePoint3d(double(i), 100, 0));
            ZcDbObjectId id;
            ms->appendZcDbEntity(id, line);
            if (withXdata && i % 2 == 0) line->setXData(xdata);
            line->close();
            handles.push_back(id.handle());
        }
        ms->close();
        zcutRelRb(xdata);
    }
    ~Drawing() { zcdbHostApplicationServices()->setWorkingDatabase(nullptr); }
};

void BM_AppendLines(benchmark::State& state)
{
    for (auto _ : state) {
        Drawing d(state.range(0), false);
        benchmark::DoNotOptimize(d.handles.data());
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_LookUpEveryHandle(benchmark::State& state)
{
    Drawing d(state.range(0), false);
    for (auto _ : state) {
        size_t found = 0;
        for (const ZcDbHandle& h : d.handles) {
            ZcDbObjectId id;
            found += d.db->getZcDbObjectId(id, false, h) == Zcad::eOk ? 1 : 0;
        }
        benchmark::DoNotOptimize(found);
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What a command does to find its members: open each model-space entity, ask for one
// application's xdata, close it.
void BM_ScanModelSpaceForXdata(benchmark::State& state)
{
    Drawing d(state.range(0), true);
    for (auto _ : state) {
        size_t members = 0;
        ZcDbBlockTableRecord* ms = nullptr;
        zcdbOpenObject(ms, zrxhost::modelSpaceId(d.db.get()), ZcDb::kForRead);
        ZcDbBlockTableRecordIterator* it = nullptr;
        ms->newIterator(it);
        for (; !it->done(); it->step()) {
            ZcDbEntity* e = nullptr;
            if (it->getEntity(e, ZcDb::kForRead) != Zcad::eOk) continue;
            if (resbuf* x = e->xData("STIFF")) {
                ++members;
                zcutRelRb(x);
            }
            e->close();
        }
        delete it;
        ms->close();
        benchmark::DoNotOptimize(members);
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_AppendLines)->RangeMultiplier(10)->Range(10'000, 1'000'000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_LookUpEveryHandle)->RangeMultiplier(10)->Range(10'000, 1'000'000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_ScanModelSpaceForXdata)->RangeMultiplier(10)->Range(10'000, 1'000'000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
