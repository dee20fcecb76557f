// Stiffener records over a whole plan: collecting every stiffener of a generated hull plan
// (TrevanCom_GetAllStiffObjectIdArray) and reading every record, on plans of 10^4, 10^5 and
// 10^6 stiffeners (about 2.4 entities per stiffener), from a test or tool outside any command
// and inside one command, as a command of the product reads them. Goals: linear growth (the
// reported complexity should be O(N)) and under 2 us per record read inside a command. The
// system folder lookup that every read makes (TrevanAcad.ini, kept while its folder stays
// unchanged) is timed on its own.
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

// Every record of the ids; false when one could not be read.
bool readEveryRecord(const ZcDbObjectIdArray& ids)
{
    double weight = 0;
    for (int i = 0; i < ids.length(); ++i) {
        CStiffData record;
        if (!TrevanComARX_GetStiffdata(ids[i], record)) return false;
        weight += record.m_rWeight;
    }
    benchmark::DoNotOptimize(weight);
    return true;
}

void BM_ReadEveryStiffenerRecord(benchmark::State& state)
{
    benchPlan(state);
    ZcDbObjectIdArray ids;
    TrevanCom_GetAllStiffObjectIdArray(ids);
    for (auto _ : state) {
        if (!readEveryRecord(ids)) state.SkipWithError("a record could not be read");
    }
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The command the host runs below: a command function takes no arguments.
const ZcDbObjectIdArray* g_commandIds = nullptr;
bool g_commandRead = false;
void readRecordsCommand() { g_commandRead = readEveryRecord(*g_commandIds); }

void BM_ReadEveryStiffenerRecordInOneCommand(benchmark::State& state)
{
    benchPlan(state);
    ZcDbObjectIdArray ids;
    TrevanCom_GetAllStiffObjectIdArray(ids);
    g_commandIds = &ids;
    zcedRegCmds->addCommand("TREVAN_BENCH", "BENCHREADRECORDS", "BENCHREADRECORDS", ZCRX_CMD_MODAL,
                            readRecordsCommand);
    for (auto _ : state) {
        g_commandRead = false;
        if (zcedCommand(RTSTR, "BENCHREADRECORDS", RTNONE) != RTNORM || !g_commandRead)
            state.SkipWithError("a record could not be read");
    }
    zcedRegCmds->removeGroup("TREVAN_BENCH");
    g_commandIds = nullptr;
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// What every record read pays first: the system folder, outside any command, where the
// host looks for changed files on every call.
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
BENCHMARK(BM_ReadEveryStiffenerRecordInOneCommand)->RangeMultiplier(10)->Range(10000, 1000000)
    ->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);
BENCHMARK(BM_SystemFolderLookup)->Unit(benchmark::kMicrosecond);

}  // namespace
