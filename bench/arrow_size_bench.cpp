// TRV_SetSitiffAsz over whole plans: for generated hull plans of 10^3, 10^4 and 10^5
// stiffeners (lines and dimension-type stiffeners with Y marks), the arrow sizes and marks
// of every stiffener are set inside one command. One run reports the cost per stiffener at
// each size against the smallest (goal: linear, flat within 1.5x) and against a bare walk of
// model space opening every entity (goal: within 10x), with the reading of every stiffener's
// record alone beside it, which the command cannot do without. The command, the reading and
// the walk are each timed as the best of a few rounds on the same drawing (the command sets
// the same sizes again), so that a busy machine does not decide the ratio. Ratios are
// reported, nothing fails on time. TREVAN_BENCH_QUICK=1 leaves out 10^5.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "TrevanCom2002.h"
#include "bench_plan.h"
#include "zrxhost/spaces.h"

namespace {

// Scale of the first Y mark met, to tell that the command did its work.
double firstMarkScale(ZcDbDatabase* db)
{
    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(db), ZcDb::kForRead);
    ZcDbBlockTableRecordIterator* raw = nullptr;
    ms->newIterator(raw);
    std::unique_ptr<ZcDbBlockTableRecordIterator> it(raw);
    for (; !it->done(); it->step()) {
        ZcDbObjectId id;
        it->getEntityId(id);
        ZcDbObjectPointer<ZcDbBlockReference> ref(id, ZcDb::kForRead);
        if (ref.openStatus() == Zcad::eOk) return ref->scaleFactors().sx;
    }
    return 0.0;
}

constexpr int kRounds = 3;

struct Result {
    long stiffeners = 0, entities = 0;
    double command = 0, scan = 0, records = 0;
};

// Every stiffener's record read once, as the command must to find the shortest; inside a
// command, as the command reads them (outside one the host looks for changed files on
// every call).
bool g_allRead = false;
void readRecordsCommand()
{
    ZcDbObjectIdArray ids;
    TrevanCom_GetAllStiffObjectIdArray(ids);
    long read = 0;
    for (int i = 0; i < ids.length(); ++i) {
        CStiffData stiff;
        read += TrevanComARX_GetStiffdata(ids[i], stiff) ? 1 : 0;
    }
    g_allRead = read == ids.length();
}

double readRecords()
{
    g_allRead = false;
    const Clock::time_point t = Clock::now();
    if (zcedCommand(RTSTR, "BENCHRECORDS", RTNONE) != RTNORM) return -1.0;
    const double seconds = secondsSince(t);
    return g_allRead ? seconds : -1.0;
}

bool measure(long size, Result& r)
{
    auto db = std::make_unique<ZcDbDatabase>();
    HullPlanOptions options;
    options.stiffeners = size;
    HullPlanSummary summary;
    std::string error;
    if (!drawHullPlan(db.get(), options, summary, error)) {
        std::fprintf(stderr, "plan of %ld stiffeners: %s\n", size, error.c_str());
        return false;
    }
    zcdbHostApplicationServices()->setWorkingDatabase(db.get());
    const double before = firstMarkScale(db.get());
    for (int round = 0; round < kRounds; ++round) {
        const Clock::time_point t = Clock::now();
        if (zcedCommand(RTSTR, "BENCHARROWS", RTNONE) != RTNORM) return false;
        r.command = round == 0 ? secondsSince(t) : std::min(r.command, secondsSince(t));
        if (round == 0 && firstMarkScale(db.get()) == before) {
            std::fprintf(stderr, "plan of %ld stiffeners: the marks were not sized\n", size);
            return false;
        }
        const double records = readRecords();
        if (records < 0) return false;
        r.records = round == 0 ? records : std::min(r.records, records);
        const Clock::time_point s = Clock::now();
        r.entities = scanModelSpace(db.get());
        r.scan = round == 0 ? secondsSince(s) : std::min(r.scan, secondsSince(s));
    }
    r.stiffeners = summary.stiffeners;
    zcdbHostApplicationServices()->setWorkingDatabase(nullptr);
    return true;
}

}  // namespace

int main()
{
    useSampleInstallation();
    zcedRegCmds->addCommand("TREVAN_BENCH", "BENCHARROWS", "BENCHARROWS", ZCRX_CMD_MODAL, TrevanCom_SetSitiffAsz);
    zcedRegCmds->addCommand("TREVAN_BENCH", "BENCHRECORDS", "BENCHRECORDS", ZCRX_CMD_MODAL, readRecordsCommand);
    std::vector<Result> results;
    for (long size : ratioBenchSizes()) {
        Result r;
        if (!measure(size, r)) return 1;
        results.push_back(r);
    }
    zcedRegCmds->removeGroup("TREVAN_BENCH");
    std::printf("%-10s %10s %12s %12s %12s %12s %12s\n", "stiffeners", "entities", "us/stiffener", "vs smallest",
                "scan ms", "cmd/scan", "records/scan");
    double worst = 1.0, worstScan = 0.0;
    const double base = results.front().command / results.front().stiffeners;
    for (const Result& r : results) {
        const double perStiffener = r.command / r.stiffeners;
        const double growth = perStiffener / base;
        const double ratio = r.command / r.scan;
        worst = std::max(worst, growth);
        worstScan = std::max(worstScan, ratio);
        std::printf("%-10ld %10ld %12.2f %11.2fx %12.1f %11.1fx %11.1fx\n", r.stiffeners, r.entities,
                    perStiffener * 1e6, growth, r.scan * 1e3, ratio, r.records / r.scan);
    }
    std::printf("cost per stiffener grows at most %.2fx (goal 1.5x): %s\n", worst, worst <= 1.5 ? "met" : "NOT met");
    std::printf("TRV_SetSitiffAsz at most %.1fx a bare model-space scan (goal 10x): %s\n", worstScan,
                worstScan <= 10.0 ? "met" : "NOT met");
    return 0;
}
