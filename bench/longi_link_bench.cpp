// TRV_LINKLONG as the user runs it, over N longitudinal sections standing on one landing
// line (N = 10^3 to 10^4, with a text beside each as a section drawing has), the user
// pressing Enter at once: every section crosses the line, is foot-checked, unlinked from the
// line's old set and linked again. Against it, in the same run, a bare walk over model space
// opening every entity for read: the "ratio" counter is the command's time over the walk's;
// "ratio_xdata" is the same against a walk that also takes each entity's "LONG" xdata.
// Goals: linear growth (O(N)) and a ratio within 10.
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>
#include <string>

#include "bench_plan.h"
#include "zrx.h"
#include "zrxhost/command_line.h"
#include "zrxhost/session.h"
#include "zrxhost/spaces.h"

namespace {

constexpr double kPitch = 100.0;

struct LinkDrawing {
    ZcDbObjectId landing;
    std::string landingHandle;
    ZcDbObjectId firstSection;
};

void lock() { zcDocManager->lockDocument(zcDocManager->curDocument()); }
void unlock() { zcDocManager->unlockDocument(zcDocManager->curDocument()); }

// The landing line and the sections on it, drawn into the current document's drawing.
LinkDrawing drawSections(long n)
{
    LinkDrawing d;
    lock();
    {
    ZcDbDatabase* db = zcdbHostApplicationServices()->workingDatabase();
    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(db), ZcDb::kForWrite);
    auto* line = new ZcDbLine(ZcGePoint3d(0, 0, 0), ZcGePoint3d(kPitch * static_cast<double>(n + 1), 0, 0));
    ms->appendZcDbEntity(d.landing, line);
    line->close();
    char handle[17];
    d.landing.handle().getIntoAsciiBuffer(handle, sizeof handle);
    d.landingHandle = handle;
    zcdbRegApp("LONG");
    for (long i = 1; i <= n; ++i) {
        const double x = kPitch * static_cast<double>(i);
        auto* pl = new ZcDbPolyline;
        pl->addVertexAt(0, ZcGePoint2d(x, 0));
        pl->addVertexAt(1, ZcGePoint2d(x, 250));
        pl->addVertexAt(2, ZcGePoint2d(x - 90, 250));
        resbuf* record = zcutBuildList(1001, "LONG", 1000, "LONG", 1000, "A", 1040, 250.0, 1040, 90.0, 1040, 10.0,
                                       1040, 15.0, 1040, 17.0, 1040, 17.0, 1070, 0, 1000, "", 1000, "", 1000, "", 1070,
                                       0, 1040, 0.0, 1040, 0.0, 1040, 0.0, 1040, 29.4, 1000, "KA32", 1000, "", 1070, 0,
                                       1070, 0, 1040, 0.0, 1040, 0.0, 0);
        pl->setXData(record);
        zcutRelRb(record);
        ZcDbObjectId id;
        ms->appendZcDbEntity(id, pl);
        pl->close();
        if (i == 1) d.firstSection = id;
        auto* text = new ZcDbText(ZcGePoint3d(x + 20, 300, 0), "L250x90x10/15", ZcDbObjectId::kNull, 50.0, 1.5708);
        ms->appendZcDbEntity(text);
        text->close();
    }
    }
    unlock();
    return d;
}

// What every walk of the command costs at least: each entity opened for read and closed;
// with `xdata`, its "LONG" xdata taken as well, as finding the sections needs.
long bareScan(bool xdata)
{
    ZcDbObjectPointer<ZcDbBlockTableRecord> ms(zrxhost::modelSpaceId(zcdbHostApplicationServices()->workingDatabase()),
                                               ZcDb::kForRead);
    ZcDbBlockTableRecordIterator* it = nullptr;
    ms->newIterator(it);
    long seen = 0;
    for (; !it->done(); it->step()) {
        ZcDbEntity* ent = nullptr;
        if (it->getEntity(ent, ZcDb::kForRead) != Zcad::eOk) continue;
        if (xdata) {
            resbuf* xd = ent->xData("LONG");
            seen += xd != nullptr ? 1 : 0;
            zcutRelRb(xd);
        } else {
            ++seen;
        }
        ent->close();
    }
    delete it;
    return seen;
}

bool runLinkLong(const LinkDrawing& d)
{
    zrxhost::LineSource answers("bench", {"#" + d.landingHandle, ""});
    zrxhost::setAnswerSource(&answers);
    zrxhost::runCommandLine("TRV_LINKLONG");
    zrxhost::setAnswerSource(nullptr);
    return zrxhost::checkFailures().empty();
}

// The first section's record names the landing line after a link.
bool linked(const LinkDrawing& d)
{
    ZcDbObjectPointer<ZcDbEntity> ent(d.firstSection, ZcDb::kForRead);
    if (ent.openStatus() != Zcad::eOk) return false;
    resbuf* xd = ent->xData("LONG");
    const resbuf* rb = xd;
    for (int i = 0; i < 12 && rb != nullptr; ++i) rb = rb->rbnext;
    const bool ok = rb != nullptr && rb->restype == 1000 && d.landingHandle == rb->resval.rstring;
    zcutRelRb(xd);
    return ok;
}

// Seconds per scan, over a fifth of a second of scans.
double timeScan(bool xdata)
{
    double seconds = 0;
    int scans = 0;
    const Clock::time_point start = Clock::now();
    do {
        benchmark::DoNotOptimize(bareScan(xdata));
        ++scans;
        seconds = std::chrono::duration<double>(Clock::now() - start).count();
    } while (seconds < 0.2);
    return seconds / scans;
}

void BM_LinkLongOverOneLandingLine(benchmark::State& state)
{
    useSampleInstallation();
    zrxhost::setCommandLineSink([](std::string_view) {});
    zrxhost::startApplication();
    zrxhost::clearCheckFailures();
    if (!zcrxDynamicLinker->loadModule(TREVANCOM_MODULE_PATH, false)) {
        state.SkipWithError("the module did not load");
        zrxhost::endApplication();
        return;
    }
    const LinkDrawing d = drawSections(state.range(0));

    const double scanSeconds = timeScan(false), xdataScanSeconds = timeScan(true);

    double linkSeconds = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        if (!runLinkLong(d)) state.SkipWithError("the command left something behind");
        linkSeconds += std::chrono::duration<double>(Clock::now() - start).count();
    }
    if (!linked(d)) state.SkipWithError("the sections were not linked");
    state.counters["scan_ms"] = scanSeconds * 1e3;
    const double perRun = linkSeconds / static_cast<double>(state.iterations());
    state.counters["ratio"] = perRun / scanSeconds;
    state.counters["ratio_xdata"] = perRun / xdataScanSeconds;
    state.SetComplexityN(state.range(0));
    state.SetItemsProcessed(state.iterations() * state.range(0));
    zrxhost::endApplication();
    zrxhost::setCommandLineSink(nullptr);
}

BENCHMARK(BM_LinkLongOverOneLandingLine)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
