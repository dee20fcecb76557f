// Stiffener records over a whole plan: collecting every stiffener of a generated hull plan
// (TrevanCom_GetAllStiffObjectIdArray) and reading every record, on plans of 10^4, 10^5 and
// 10^6 stiffeners (about 2.4 entities per stiffener). Goals: linear growth (the reported
// complexity should be O(N)) and under 2 us per record read. The system folder lookup that
// every read makes (TrevanAcad.ini, read again on each call) is timed on its own.
#include <benchmark/benchmark.h>

#include "TrevanCom2002.h"
#include "bench_plan.h"

namespace {

void BM_CollectEveryStiffener(benchmark::State& state)
{
    BenchPlan& p = benchPlan(state);
    for (auto _ : state) {
        ZcDbObjectIdArray ids;
        if (!TrevanCom_GetAllStiffObjectIdArray(ids) || ids.length() != p.summary.stiffeners)
            state.SkipWithError("the stiffeners of the plan were not all collected");
        benchmark::DoNotOptimize(ids.length());
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_ReadEveryStiffenerRecord(benchmark::State& state)
{
    benchPlan(state);
    ZcDbObjectIdArray ids;
    TrevanCom_GetAllStiffObjectIdArray(ids);
    for (auto _ : state) {
        double weight = 0;
        for (int i = 0; i < ids.length(); ++i) {
            CStiffData record;
            if (!TrevanComARX_GetStiffdata(ids[i], record)) {
                state.SkipWithError("a record could not be read");
                break;
            }
            weight += record.m_rWeight;
        }
        benchmark::DoNotOptimize(weight);
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What every record read pays first: the system folder, from TrevanAcad.ini each time.
void BM_SystemFolderLookup(benchmark::State& state)
{
    useSampleInstallation();
    for (auto _ : state) {
        CString folder;
        if (!TrevanComARX_GetSysDirFunc(folder)) state.SkipWithError("no system folder");
        benchmark::DoNotOptimize(folder.GetLength());
    }
}

BENCHMARK(BM_CollectEveryStiffener)->RangeMultiplier(10)->Range(10000, 1000000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_ReadEveryStiffenerRecord)->RangeMultiplier(10)->Range(10000, 1000000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
BENCHMARK(BM_SystemFolderLookup)->Unit(benchmark::kMicrosecond);

}  // namespace
