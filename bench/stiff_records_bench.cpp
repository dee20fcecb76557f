// Stiffener records over a whole plan: collecting every stiffener of a generated hull plan
// (TrevanCom_GetAllStiffObjectIdArray) and reading every record, on plans of 10^4, 10^5 and
// 10^6 stiffeners (about 2.4 entities per stiffener). Goals: linear growth (the reported
// complexity should be O(N)) and under 2 us per record read. The system folder lookup that
// every read makes (TrevanAcad.ini, read again on each call) is timed on its own.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "TrevanCom2002.h"
#include "hull_plan.h"
#include "zrxhost/drive_map.h"
#include "zrxhost/registry.h"
#include "zrxhost/session.h"

namespace {

namespace fs = std::filesystem;

// A copy of the sample installation as drive C:, for as long as the program runs.
class Installation {
public:
    Installation()
    {
        char pattern[] = "/tmp/trevan-bench-XXXXXX";
        m_root = mkdtemp(pattern);
        fs::copy(TREVAN_SAMPLE_INSTALL, m_root, fs::copy_options::recursive);
        zrxhost::setDrive('C', (m_root / "drive_c").string());
        zrxhost::setRegistryFile((m_root / "registry.reg").string());
        zrxhost::setSupportFolders({(m_root / "drive_c/TREVAN/SYSTEM").string()});
        setenv("windir", "C:\\WINDOWS", 1);
    }
    ~Installation()
    {
        zrxhost::setSupportFolders({});
        zrxhost::setRegistryFile("");
        zrxhost::clearDrives();
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }

private:
    fs::path m_root;
};

void useSampleInstallation()
{
    static Installation installation;
}

struct Plan {
    std::unique_ptr<ZcDbDatabase> db = std::make_unique<ZcDbDatabase>();
    HullPlanSummary summary;
    std::string error;
};

// Each plan is generated once per process and kept: the 10^6 one takes about a minute.
Plan& plan(benchmark::State& state)
{
    useSampleInstallation();
    static std::map<int64_t, std::unique_ptr<Plan>> plans;
    std::unique_ptr<Plan>& p = plans[state.range(0)];
    if (!p) {
        p = std::make_unique<Plan>();
        HullPlanOptions options;
        options.stiffeners = static_cast<long>(state.range(0));
        if (!drawHullPlan(p->db.get(), options, p->summary, p->error) && p->error.empty()) p->error = "no plan";
    }
    if (!p->error.empty()) state.SkipWithError(p->error.c_str());
    zcdbHostApplicationServices()->setWorkingDatabase(p->db.get());
    state.counters["entities"] = static_cast<double>(p->summary.entities);
    return *p;
}

void BM_CollectEveryStiffener(benchmark::State& state)
{
    Plan& p = plan(state);
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
    plan(state);
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
